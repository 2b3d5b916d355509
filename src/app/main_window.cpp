#include "app/main_window.h"

#include "app/commands.h"
#include "app/controls.h"
#include "paramfile/parameter_state.h"

HINSTANCE g_instance = nullptr;

namespace {

constexpr char kClassName[] = "Vistaro";

void paint(HWND window) {
    PAINTSTRUCT paint_info;
    BeginPaint(window, &paint_info);
    EndPaint(window, &paint_info);
}

void destroy(HWND) {
    close_open_file();  // makes any written data final
    PostQuitMessage(0);
}

}  // namespace

bool register_main_window_class(HINSTANCE instance) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = main_window_procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(instance, "MainIcon");
    window_class.hIconSm = LoadIconA(instance, "MainIcon");
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kClassName;
    return RegisterClassExA(&window_class) != 0;
}

HWND create_main_window(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, kClassName, "Vistaro v0.1",
                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                           320, 400, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            create_controls(window, g_instance);
            return 0;
        case WM_DESTROY:
            destroy(window);
            return 0;
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_COMMAND:
            handle_command(window, wparam);
            return 0;
        case WM_DROPFILES:
            handle_drop(window, wparam);
            return 0;
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}
