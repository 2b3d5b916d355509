// Draws an app-like window and a message box offscreen and saves them as pictures, to look
// at the layer's rendering: layer_look <directory>.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "platform/qt/test_seams.h"
#include "platform/win32.h"

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

void child(HWND parent, const char* class_name, const char* text, DWORD style, int x, int y,
           int width, int height) {
    CreateWindowExA(0, class_name, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                    nullptr, nullptr, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");

    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "LayerLook";
    RegisterClassExA(&window_class);
    HWND main = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "LayerLook", "Layer look",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, 320, 400, nullptr, nullptr, nullptr, nullptr);
    child(main, "button", "Write to file", BS_DEFPUSHBUTTON, 165, 225, 125, 30);
    child(main, "button", "unused", WS_DISABLED | BS_DEFPUSHBUTTON, 165, 260, 125, 30);
    child(main, "button", "Help", BS_DEFPUSHBUTTON, 165, 315, 125, 30);
    child(main, "button", "File control", BS_GROUPBOX, 160, 205, 135, 90);
    const char* frames[] = {"Sun position",  "Sun elevation", "Panorama file", "Startpos at feet",
                            "Sizing factor", "unused",        "unused"};
    const char* texts[] = {"123", "45", "panorama_picture_name.bmp", "1.500", "0.250", "", ""};
    for (int i = 0; i < 7; ++i) {
        child(main, "button", frames[i], BS_GROUPBOX, 5, 5 + 50 * i, 135, 45);
    }
    for (int i = 0; i < 7; ++i) {
        const DWORD style =
            WS_BORDER | ES_RIGHT | (i < 2 ? ES_NUMBER : 0) | (i >= 5 ? WS_DISABLED : 0);
        child(main, "edit", texts[i], style, 10, 20 + 50 * i, 125, 25);
    }
    ShowWindow(main, SW_SHOWDEFAULT);
    UpdateWindow(main);
    win32_test::widget_of(main)->grab().save(directory + QStringLiteral("/layer_look.png"));

    QTimer::singleShot(0, [directory] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(directory + QStringLiteral("/layer_look_box.png"));
            box->close();
        }
    });
    MessageBoxA(main,
                "Sun position\tdegrees from north, 0 to 359\r\n"
                "Sun elevation\tdegrees above the horizon\r\n"
                "Panorama file\tname of the picture\r\n"
                "Startpos at feet\theight of the start\r\n"
                "Sizing factor\tscale of the panorama",
                "Help", MB_ICONINFORMATION | MB_SETFOREGROUND);
    DestroyWindow(main);
    return 0;
}
