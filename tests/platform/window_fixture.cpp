#include "window_fixture.h"

#include <QTest>

namespace platform_test {

WindowTest* WindowTest::current_ = nullptr;

void WindowTest::SetUp() {
    current_ = this;
    take_queued();
}

void WindowTest::TearDown() {
    for (HWND window : top_level_) {
        DestroyWindow(window);
    }
    take_queued();
    win32_test::set_message_box_observer({});
    current_ = nullptr;
}

LRESULT CALLBACK WindowTest::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (current_ == nullptr) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    current_->calls_.push_back(Call{window, message, wparam, lparam});
    if (current_->handler_) {
        if (std::optional<LRESULT> answer = current_->handler_(window, message, wparam, lparam)) {
            return *answer;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

std::string WindowTest::register_class() {
    static int serial = 0;
    const std::string name = "PlatformTest" + std::to_string(++serial);
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = &WindowTest::procedure;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = name.c_str();
    EXPECT_NE(RegisterClassExA(&window_class), 0);
    return name;
}

HWND WindowTest::create_main_window(DWORD ex_style, DWORD style) {
    const std::string name = register_class();
    HWND window = CreateWindowExA(ex_style, name.c_str(), "Vistaro v0.1", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 320, 400, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(window, nullptr);
    top_level_.push_back(window);
    return window;
}

HWND WindowTest::create_child(HWND parent, const char* class_name, const char* text, DWORD style,
                              int x, int y, int width, int height, int id) {
    HWND child =
        CreateWindowExA(0, class_name, text, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    EXPECT_NE(child, nullptr) << class_name << " " << text;
    return child;
}

void WindowTest::show(HWND window) {
    ShowWindow(window, SW_SHOWDEFAULT);
    UpdateWindow(window);
    QWidget* widget = win32_test::widget_of(window);
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
}

std::vector<Call> WindowTest::calls_of(UINT message) const {
    std::vector<Call> found;
    for (const Call& call : calls_) {
        if (call.message == message) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<MSG> WindowTest::take_queued() {
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        taken.push_back(msg);
    }
    return taken;
}

}  // namespace platform_test
