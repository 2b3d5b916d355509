#include "platform/qt/window_records.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_set>

#include "platform/qt/resources.h"

namespace {

std::vector<std::unique_ptr<HWND__>>& all_records() {
    static std::vector<std::unique_ptr<HWND__>> records;
    return records;
}

std::unordered_set<HWND>& live_set() {
    static std::unordered_set<HWND> live;
    return live;
}

std::map<std::string, WindowClass>& class_table() {
    static std::map<std::string, WindowClass> classes;
    return classes;
}

std::string upper(const char* text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return result;
}

}  // namespace

HWND new_window_record() {
    all_records().push_back(std::make_unique<HWND__>());
    return all_records().back().get();
}

void set_window_live(HWND window, bool live) {
    if (live) {
        live_set().insert(window);
    } else {
        live_set().erase(window);
    }
}

HWND__* live_window(HWND window) {
    if (window == nullptr || live_set().count(window) == 0) {
        return nullptr;
    }
    return window;
}

std::vector<HWND> live_windows() {
    std::vector<HWND> result;
    for (const auto& record : all_records()) {
        if (live_set().count(record.get()) != 0) {
            result.push_back(record.get());
        }
    }
    return result;
}

const WindowClass* find_window_class(const char* name) {
    if (name == nullptr || reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF) {
        return nullptr;
    }
    auto found = class_table().find(upper(name));
    return found == class_table().end() ? nullptr : &found->second;
}

bool add_window_class(const WNDCLASSEXA& description) {
    const char* name = description.lpszClassName;
    if (name == nullptr || reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF || *name == '\0' ||
        description.lpfnWndProc == nullptr) {
        return false;
    }
    auto [entry, added] = class_table().try_emplace(upper(name));
    if (added) {
        entry->second.name = name;
        entry->second.description = description;
        entry->second.description.lpszClassName = entry->second.name.c_str();
        entry->second.description.lpszMenuName = nullptr;
    }
    return added;
}

QString latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string window_text(const HWND__& window) {
    if (window.kind == WindowKind::edit) {
        auto* edit = qobject_cast<QLineEdit*>(window.widget.data());
        return edit != nullptr ? edit->text().toLatin1().toStdString() : std::string();
    }
    return window.text;
}

void apply_window_text(HWND__& window, const std::string& text) {
    QWidget* widget = window.widget.data();
    if (window.kind != WindowKind::edit) {
        window.text = text;
    }
    if (widget == nullptr) {
        return;
    }
    switch (window.kind) {
        case WindowKind::registered:
            if (widget->isWindow()) {
                widget->setWindowTitle(latin1(text));
            }
            break;
        case WindowKind::static_control:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if ((window.style & 0x1F) == SS_BITMAP) {
                    QPixmap picture = load_bitmap_resource(text.c_str());
                    label->setPixmap(picture);
                    if (!picture.isNull()) {
                        label->resize(picture.size());
                    }
                } else {
                    label->setText(latin1(text));
                }
            }
            break;
        case WindowKind::button:
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                button->setText(latin1(text));
            }
            break;
        case WindowKind::group_box:
            widget->update();
            break;
        case WindowKind::edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                edit->setText(latin1(text));
                edit->setCursorPosition(0);  // shows the start of a long text, as on Windows
            }
            break;
    }
}

int copy_text_out(const std::string& text, char* buffer, long long size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const std::size_t count =
        std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}
