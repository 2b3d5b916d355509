#include "app/main_window.h"

namespace {

int fail_to_start(const char* text) {
    MessageBoxA(nullptr, text, "Error", MB_ICONERROR);
    return 1;
}

}  // namespace

// The command line and the previous instance mean nothing to the tool.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    g_instance = instance;
    if (!register_main_window_class(instance)) {
        return fail_to_start("Could not register main window class");
    }
    const HWND window = create_main_window(instance);
    if (window == nullptr) {
        return fail_to_start("Could not create main window");
    }
    ShowWindow(window, show_command);
    UpdateWindow(window);

    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
