// Test windows for the platform tests: a recording window procedure and app-like windows.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/test_seams.h"
#include "platform/win32.h"

namespace platform_test {

// One call of the test window procedure.
struct Call {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

// What the procedure answers; nullopt lets DefWindowProcA handle the message.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// The app's main-window styles.
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainExStyle = WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A new class for the recording procedure, with the app's class settings.
    std::string register_class();
    // A hidden 320x400 top-level window like the app's.
    HWND create_main_window(DWORD ex_style = kMainExStyle, DWORD style = kMainStyle);
    HWND create_child(HWND parent, const char* class_name, const char* text, DWORD style, int x,
                      int y, int width, int height, int id);
    // Shows the window and waits until the platform has exposed it.
    void show(HWND window);
    // Calls of one message, in order.
    std::vector<Call> calls_of(UINT message) const;
    // Takes every queued message without dispatching it.
    static std::vector<MSG> take_queued();

    std::vector<Call> calls_;
    Handler handler_;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static WindowTest* current_;
    std::vector<HWND> top_level_;
};

}  // namespace platform_test
