// Edits and buttons driven with real keys and mouse clicks.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "window_fixture.h"

namespace platform_test {
namespace {

using win32_test::widget_of;

constexpr DWORD kNumberEdit = kChild | WS_BORDER | ES_NUMBER | ES_RIGHT;
constexpr DWORD kTextEdit = kChild | WS_BORDER | ES_RIGHT;

QLineEdit* line_edit(HWND edit) {
    return qobject_cast<QLineEdit*>(widget_of(edit));
}

std::string text_of(HWND window) {
    char buffer[300];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// A click as a user makes it: at a point of the window, wherever the platform routes it.
void click_at_centre_of(HWND control) {
    QWidget* widget = widget_of(control);
    QWidget* top = widget->window();
    const QPoint point = widget->mapTo(top, widget->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

TEST_F(WindowTest, NumberEditRefusesTypedNonDigitsOthersTakeThem) {
    struct Case {
        DWORD style;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {kNumberEdit, "123", "123"},   {kNumberEdit, "abc", ""},
        {kNumberEdit, "-5", "5"},      {kNumberEdit, "1.5e3", "153"},
        {kNumberEdit, "7 8+9", "789"}, {kTextEdit, "-1.5e3 x", "-1.5e3 x"},
    };
    HWND main = create_main_window();
    show(main);
    for (const Case& c : cases) {
        HWND edit = create_child(main, "edit", "", c.style, 10, 20, 125, 25, 2);
        QTest::keyClicks(line_edit(edit), QString::fromLatin1(c.typed));
        EXPECT_EQ(text_of(edit), c.kept) << c.typed;
        DestroyWindow(edit);
    }
}

TEST_F(WindowTest, NumberEditTakesPastedTextAndEditingKeys) {
    HWND main = create_main_window();
    show(main);
    HWND edit = create_child(main, "edit", "", kNumberEdit, 10, 20, 125, 25, 2);
    QLineEdit* widget = line_edit(edit);

    QTest::keyClicks(widget, "12");
    QTest::keyClick(widget, Qt::Key_Backspace);
    EXPECT_EQ(text_of(edit), "1");
    QTest::keyClick(widget, Qt::Key_Home);
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text_of(edit), "-51");
    widget->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("x-7"));
    widget->paste();
    EXPECT_EQ(text_of(edit), "x-7");
}

TEST_F(WindowTest, TypingStopsAtTheVisibleWidthUnlessTheEditScrolls) {
    const std::string typed(40, 'W');
    const std::string longer(120, 'M');
    struct Case {
        DWORD style;
        bool all_typed_text_kept;
    };
    const Case cases[] = {{kTextEdit, false}, {kTextEdit | ES_AUTOHSCROLL, true}};
    HWND main = create_main_window();
    show(main);
    for (const Case& c : cases) {
        HWND edit = create_child(main, "edit", "", c.style, 10, 20, 60, 25, 2);
        QLineEdit* widget = line_edit(edit);
        QTest::keyClicks(widget, QString::fromStdString(typed));
        const std::string kept = text_of(edit);
        if (c.all_typed_text_kept) {
            EXPECT_EQ(kept, typed);
        } else {
            EXPECT_FALSE(kept.empty());
            EXPECT_LT(kept.size(), typed.size());
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(QString::fromStdString(kept)),
                      widget->width());
            QTest::keyClick(widget, Qt::Key_Backspace);
            QTest::keyClick(widget, Qt::Key_I);
            EXPECT_EQ(text_of(edit), kept.substr(0, kept.size() - 1) + "i");
        }
        ASSERT_TRUE(SetWindowTextA(edit, longer.c_str()));
        EXPECT_EQ(text_of(edit), longer);
        DestroyWindow(edit);
    }
}

TEST_F(WindowTest, EditChangesNotifyTheParentAtOnceWithANonzeroCode) {
    HWND main = create_main_window();
    show(main);
    HWND edit = create_child(main, "edit", "", kTextEdit, 10, 120, 125, 25, 4);
    calls_.clear();

    QTest::keyClick(line_edit(edit), Qt::Key_A);
    ASSERT_EQ(calls_of(WM_COMMAND).size(), 1u);
    SetWindowTextA(edit, "set");
    ASSERT_EQ(calls_of(WM_COMMAND).size(), 2u);
    for (const Call& call : calls_of(WM_COMMAND)) {
        EXPECT_EQ(call.window, main);
        EXPECT_EQ(LOWORD(call.wparam), 4);
        EXPECT_EQ(HIWORD(call.wparam), EN_CHANGE);
        EXPECT_EQ(call.lparam, reinterpret_cast<LPARAM>(edit));
    }
    EXPECT_TRUE(take_queued().empty());
}

TEST_F(WindowTest, ButtonClickQueuesOneCommandUnlessDisabled) {
    struct Case {
        const char* name;
        DWORD style;
        bool group_box_created_over_it;
        bool command;
    };
    const Case cases[] = {
        {"enabled", kChild | BS_DEFPUSHBUTTON, false, true},
        {"disabled", kChild | WS_DISABLED | BS_DEFPUSHBUTTON, false, false},
        {"under a group box", kChild | BS_DEFPUSHBUTTON, true, true},
        {"plain push button", kChild | BS_PUSHBUTTON, true, true},
    };
    for (const Case& c : cases) {
        HWND main = create_main_window();
        HWND button = create_child(main, "button", "Write to file", c.style, 165, 225, 125, 30, 9);
        if (c.group_box_created_over_it) {
            create_child(main, "button", "File control", kChild | BS_GROUPBOX, 160, 205, 135, 90,
                         0);
        }
        show(main);
        calls_.clear();

        click_at_centre_of(button);
        std::vector<MSG> commands;
        for (const MSG& msg : take_queued()) {
            if (msg.message == WM_COMMAND) {
                commands.push_back(msg);
            }
        }
        if (!c.command) {
            EXPECT_TRUE(commands.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(commands.size(), 1u) << c.name;
        EXPECT_EQ(commands[0].hwnd, main) << c.name;
        EXPECT_EQ(commands[0].wParam, MAKEWPARAM(9, BN_CLICKED)) << c.name;
        EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button)) << c.name;
    }
}

TEST_F(WindowTest, ClickReachesTheProcedureThroughGetAndDispatch) {
    HWND main = create_main_window();
    HWND button =
        create_child(main, "button", "Help", kChild | BS_DEFPUSHBUTTON, 165, 315, 125, 30, 10);
    show(main);
    calls_.clear();
    click_at_centre_of(button);

    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
    EXPECT_FALSE(TranslateMessage(&msg));
    DispatchMessageA(&msg);
    ASSERT_EQ(calls_of(WM_COMMAND).size(), 1u);
    EXPECT_EQ(calls_of(WM_COMMAND)[0].window, main);
    EXPECT_EQ(calls_of(WM_COMMAND)[0].wparam, MAKEWPARAM(10, BN_CLICKED));
}

TEST_F(WindowTest, TabAndEnterMoveNoFocusAndPressNoButton) {
    HWND main = create_main_window();
    HWND first = create_child(main, "edit", "", kTextEdit, 10, 20, 125, 25, 2);
    create_child(main, "edit", "", kTextEdit, 10, 70, 125, 25, 3);
    create_child(main, "button", "Write to file", kChild | BS_DEFPUSHBUTTON, 165, 225, 125, 30, 0);
    show(main);
    QWidget* top = widget_of(main);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    widget_of(first)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget_of(first));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget_of(first));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    for (const MSG& msg : take_queued()) {
        EXPECT_NE(msg.message, static_cast<UINT>(WM_COMMAND));
    }
}

}  // namespace
}  // namespace platform_test
