// Makes the README's screenshot from the real window: a demo panorama file is dropped on it
// and the window is grabbed offscreen. Usage: vistaro_screenshot OUTPUT.png
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/main_window.h"
#include "paramfile/conversions.h"
#include "platform/qt/test_seams.h"
#include "platform/win32.h"

namespace {

std::string write_demo_file() {
    std::vector<unsigned char> bytes(1024, 0);
    encode_single(whole_degrees_to_radians(135), &bytes[950]);
    encode_single(whole_degrees_to_radians(25), &bytes[954]);
    std::memcpy(&bytes[359], "S1.bmp", 7);
    encode_single(180.0f, &bytes[830]);
    encode_single(0.25f, &bytes[842]);
    const std::string path = (std::filesystem::temp_directory_path() / "demo.wlp").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

void pump() {
    QApplication::processEvents();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    static int module;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&module);
    g_instance = instance;
    if (!register_main_window_class(instance)) {
        return 1;
    }
    HWND window = create_main_window(instance);
    ShowWindow(window, SW_SHOWDEFAULT);
    UpdateWindow(window);

    const std::string demo = write_demo_file();
    PostMessageA(window, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(win32_test::make_drop_handle({demo})), 0);
    pump();

    const bool saved = win32_test::widget_of(window)->window()->grab().save(argv[1]);
    DestroyWindow(window);
    pump();
    std::filesystem::remove(demo);
    return saved ? 0 : 1;
}
