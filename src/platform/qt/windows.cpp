// Window classes, creation, destruction, text and painting.
#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "platform/qt/class_windows.h"
#include "platform/qt/controls.h"
#include "platform/qt/test_seams.h"
#include "platform/qt/window_records.h"

struct HDC__ {
    int unused;
};

namespace {

// Laid out as the system's creation structure, for procedures that read lpCreateParams.
struct CreationParameters {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

HDC__ paint_context{};

LRESULT call_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    HWND__* record = live_window(window);
    if (record == nullptr) {
        return 0;
    }
    if (record->procedure != nullptr) {
        return record->procedure(window, message, wparam, lparam);
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// WM_DESTROY reaches the window before its children, as on Windows.
void send_destroy(HWND window) {
    HWND__* record = live_window(window);
    if (record == nullptr) {
        return;
    }
    record->destroying = true;
    call_procedure(window, WM_DESTROY, 0, 0);
    if (HWND__* still = live_window(window)) {
        for (HWND child : std::vector<HWND>(still->children)) {
            send_destroy(child);
        }
    }
}

void retire(HWND window) {
    for (HWND child : window->children) {
        retire(child);
    }
    set_window_live(window, false);
}

}  // namespace

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* window_class) {
    static ATOM next_atom = 0xC000;
    if (window_class == nullptr || !add_window_class(*window_class)) {
        return 0;
    }
    return next_atom++;
}

HWND WINAPI CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    if (QApplication::instance() == nullptr) {
        return nullptr;
    }
    if (parent != nullptr ? live_window(parent) == nullptr : (style & WS_CHILD) != 0) {
        return nullptr;
    }
    const WindowClass* registered = find_window_class(class_name);
    const std::optional<WindowKind> control = control_kind(class_name, style);
    if (registered == nullptr && !control) {
        return nullptr;
    }

    HWND window = new_window_record();
    window->kind = registered != nullptr ? WindowKind::registered : *control;
    window->procedure = registered != nullptr ? registered->description.lpfnWndProc : nullptr;
    window->parent = parent;
    window->id = parent != nullptr ? static_cast<int>(reinterpret_cast<std::intptr_t>(menu)) : 0;
    window->style = style;
    window->ex_style = ex_style;
    window->text = window_name != nullptr ? window_name : "";
    const bool built = registered != nullptr ? build_class_window(window, registered->description,
                                                                  x, y, width, height)
                                             : build_control(window, x, y, width, height);
    if (!built) {
        return nullptr;
    }
    window->widget->setEnabled((style & WS_DISABLED) == 0);
    if (parent != nullptr) {
        window->widget->setVisible(false);
        parent->children.push_back(window);
    }
    set_window_live(window, true);

    CreationParameters creation{
        param,       instance,   menu,    parent, height, width, y, x, static_cast<LONG>(style),
        window_name, class_name, ex_style};
    if (call_procedure(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&creation)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (live_window(window) == nullptr || window->widget == nullptr) {
        return nullptr;
    }
    if ((style & WS_VISIBLE) != 0) {
        window->widget->show();
    }
    return window;
}

BOOL WINAPI DestroyWindow(HWND window) {
    HWND__* record = live_window(window);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    send_destroy(window);
    if (live_window(window) == nullptr) {
        return TRUE;
    }
    if (HWND__* parent = live_window(record->parent)) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    retire(window);
    if (QWidget* widget = record->widget.data()) {
        widget->hide();
        // Later, as this may run inside one of the widget's own event handlers.
        widget->deleteLater();
    }
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int show_command) {
    HWND__* record = live_window(window);
    if (record == nullptr || record->widget == nullptr) {
        return FALSE;
    }
    QWidget* widget = record->widget.data();
    const BOOL was_visible = widget->isVisible() ? TRUE : FALSE;
    switch (show_command) {
        case SW_HIDE:
            widget->hide();
            break;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
            widget->isWindow() ? widget->showMinimized() : widget->show();
            break;
        case SW_SHOWNORMAL:
        case SW_SHOWDEFAULT:
            widget->isWindow() ? widget->showNormal() : widget->show();
            break;
        default:
            widget->show();
            break;
    }
    return was_visible;
}

BOOL WINAPI UpdateWindow(HWND window) {
    HWND__* record = live_window(window);
    if (record == nullptr || record->widget == nullptr) {
        return FALSE;
    }
    // The client area is where WM_PAINT comes from; the frame draws only its edge.
    if (record->client != nullptr && record->client->isVisible()) {
        record->client->repaint();
    }
    return TRUE;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return call_procedure(window, message, wparam, lparam);
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    HWND__* record = live_window(window);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lparam);
            apply_window_text(*record, text != nullptr ? text : "");
            return TRUE;
        }
        case WM_GETTEXT:
            return copy_text_out(window_text(*record), reinterpret_cast<char*>(lparam),
                                 static_cast<long long>(wparam));
        default:
            return 0;
    }
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (live_window(window) == nullptr) {
        return FALSE;
    }
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int buffer_size) {
    if (buffer == nullptr || buffer_size <= 0) {
        return 0;
    }
    if (live_window(window) == nullptr) {
        buffer[0] = '\0';
        return 0;
    }
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(buffer_size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

HDC WINAPI BeginPaint(HWND window, PAINTSTRUCT* paint) {
    HWND__* record = live_window(window);
    if (record == nullptr || paint == nullptr) {
        return nullptr;
    }
    QRect area = record->painting ? record->paint_rect : QRect();
    *paint = PAINTSTRUCT{};
    paint->hdc = &paint_context;
    paint->fErase = FALSE;
    paint->rcPaint =
        RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    return &paint_context;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT*) {
    return live_window(window) != nullptr ? TRUE : FALSE;
}

QWidget* win32_test::widget_of(HWND window) {
    HWND__* record = live_window(window);
    return record != nullptr ? record->widget.data() : nullptr;
}

HWND win32_test::window_of(const QWidget* widget) {
    if (widget == nullptr) {
        return nullptr;
    }
    for (HWND window : live_windows()) {
        if (window->widget == widget || window->client == widget) {
            return window;
        }
    }
    return nullptr;
}
