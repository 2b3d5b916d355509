#include "platform/qt/controls.h"

#include <strings.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/qt/classic_look.h"
#include "platform/qt/resources.h"

namespace {

constexpr DWORD kButtonTypeMask = 0x0F;
constexpr DWORD kEditAlignMask = 0x03;

// A classic group box: an etched frame with the title on its top line. It takes no mouse
// input, so controls it surrounds stay clickable even when it lies above them.
class GroupBox : public QWidget {
  public:
    GroupBox(HWND window, QWidget* parent) : QWidget(parent), window_(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        HWND__* record = live_window(window_);
        const QString title = record != nullptr ? latin1(record->text) : QString();
        const QFontMetrics metrics = fontMetrics();
        const int line_y = metrics.height() / 2;
        const QRect frame = rect().adjusted(0, line_y, 0, 0);

        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(frame.adjusted(0, 0, -2, -2));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
        if (title.isEmpty()) {
            return;
        }
        const int left = 8;
        const QRect title_rect(left, 0, metrics.horizontalAdvance(title) + 4, metrics.height());
        painter.fillRect(title_rect, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(title_rect.adjusted(2, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, title);
    }

  private:
    HWND window_;
};

// A single-line edit with the classic thin border, the digits-only filter of ES_NUMBER and,
// without ES_AUTOHSCROLL, no typing past the visible width.
class EditControl : public QLineEdit {
  public:
    EditControl(DWORD style, QWidget* parent) : QLineEdit(parent), style_(style) {
        setFrame(false);
        if ((style_ & WS_BORDER) != 0) {
            setTextMargins(1, 1, 1, 1);
        }
        setFocusPolicy(Qt::ClickFocus);
        setAcceptDrops(false);  // dropped files go to the window, as on Windows
        switch (style_ & kEditAlignMask) {
            case ES_RIGHT:
                setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                break;
            case ES_CENTER:
                setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
                break;
            default:
                setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
        }
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (refuses_typed(event->text(), event->modifiers())) {
            QApplication::beep();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty() && refuses_typed(event->commitString(), {})) {
            QApplication::beep();
            event->accept();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if ((style_ & WS_BORDER) != 0) {
            QPainter painter(this);
            painter.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                                       : palette().color(QPalette::Dark));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

  private:
    bool refuses_typed(const QString& typed, Qt::KeyboardModifiers modifiers) const {
        if (typed.isEmpty() || !typed.at(0).isPrint() ||
            (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
            return false;  // editing keys and shortcuts such as paste
        }
        if ((style_ & ES_NUMBER) != 0) {
            for (QChar c : typed) {
                if (c < u'0' || c > u'9') {
                    return true;
                }
            }
        }
        return (style_ & ES_AUTOHSCROLL) == 0 && !fits_after_typing(typed);
    }

    bool fits_after_typing(const QString& typed) const {
        QString after = text();
        if (hasSelectedText()) {
            after.remove(selectionStart(), selectedText().size());
            after.insert(selectionStart(), typed);
        } else {
            after.insert(cursorPosition(), typed);
        }
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        // QLineEdit keeps 2 px each side and room for the cursor before it scrolls.
        const int cursor = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
        const int room = contents.width() - 2 * 2 - 1 - cursor;
        return fontMetrics().horizontalAdvance(after) <= room;
    }

    DWORD style_;
};

void notify_parent(HWND control, WORD code) {
    HWND__* record = live_window(control);
    if (record == nullptr || record->destroying || live_window(record->parent) == nullptr) {
        return;
    }
    const WPARAM wparam = MAKEWPARAM(record->id, code);
    const LPARAM lparam = reinterpret_cast<LPARAM>(control);
    if (code == BN_CLICKED) {
        PostMessageA(record->parent, WM_COMMAND, wparam, lparam);
    } else {
        SendMessageA(record->parent, WM_COMMAND, wparam, lparam);
    }
}

QWidget* make_widget(HWND window, QWidget* parent) {
    switch (window->kind) {
        case WindowKind::static_control: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case WindowKind::group_box:
            return new GroupBox(window, parent);
        case WindowKind::button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFocusPolicy(Qt::ClickFocus);
            QObject::connect(button, &QPushButton::clicked,
                             [window] { notify_parent(window, BN_CLICKED); });
            return button;
        }
        case WindowKind::edit:
            return new EditControl(window->style, parent);
        case WindowKind::registered:
            break;
    }
    return nullptr;
}

}  // namespace

std::optional<WindowKind> control_kind(const char* class_name, DWORD style) {
    if (class_name == nullptr || reinterpret_cast<std::uintptr_t>(class_name) <= 0xFFFF) {
        return std::nullopt;
    }
    if (strcasecmp(class_name, "STATIC") == 0) {
        return WindowKind::static_control;
    }
    if (strcasecmp(class_name, "BUTTON") == 0) {
        return (style & kButtonTypeMask) == BS_GROUPBOX ? WindowKind::group_box
                                                        : WindowKind::button;
    }
    if (strcasecmp(class_name, "EDIT") == 0) {
        return WindowKind::edit;
    }
    return std::nullopt;
}

bool build_control(HWND window, int x, int y, int width, int height) {
    HWND__* parent = live_window(window->parent);
    if (parent == nullptr || parent->client == nullptr) {
        return false;
    }
    QWidget* widget = make_widget(window, parent->client);
    widget->setStyle(classic_style());
    widget->setGeometry(x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y,
                        width == CW_USEDEFAULT ? 0 : width, height == CW_USEDEFAULT ? 0 : height);
    window->widget = widget;
    // Sets the first text before any change notification is connected, as on Windows.
    apply_window_text(*window, window->text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textChanged,
                         [window] { notify_parent(window, EN_CHANGE); });
    }
    return true;
}
