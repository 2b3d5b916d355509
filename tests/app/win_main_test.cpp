#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/qt/test_seams.h"
#include "platform/win32.h"

namespace {

HINSTANCE fake_instance() {
    static int module;
    return reinterpret_cast<HINSTANCE>(&module);
}

// Closes the tool's window from its caption once it is shown and the loop runs.
void close_main_window_when_shown(QTimer* timer) {
    QObject::connect(timer, &QTimer::timeout, [timer] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->windowTitle() == "Vistaro v0.1") {
                timer->stop();
                top->close();
            }
        }
    });
    timer->start(10);
}

TEST(WinMain, RunsUntilTheWindowIsClosedAndExitsWithZero) {
    char command_line[] = "some.wlp --ignored";
    QTimer closer;
    close_main_window_when_shown(&closer);
    EXPECT_EQ(WinMain(fake_instance(), nullptr, command_line, SW_SHOWDEFAULT), 0);
}

TEST(WinMain, AClassThatCannotBeRegisteredEndsWithAnErrorAndCodeOne) {
    ASSERT_TRUE(register_main_window_class(fake_instance()));  // taken before the tool starts
    std::vector<win32_test::MessageBoxCall> boxes;
    win32_test::set_message_box_observer([&](const win32_test::MessageBoxCall& call) {
        boxes.push_back(call);
        return IDOK;
    });
    char command_line[] = "";
    EXPECT_EQ(WinMain(fake_instance(), nullptr, command_line, SW_SHOWDEFAULT), 1);
    win32_test::set_message_box_observer({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].text, "Could not register main window class");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].flags, 0x10u);
}

}  // namespace
