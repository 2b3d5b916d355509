// Window classes, creation, layout, text, painting, closing and the message loop.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <cstring>

#include "window_fixture.h"

namespace platform_test {
namespace {

using win32_test::widget_of;
using win32_test::window_of;

TEST_F(WindowTest, RegisterClassRefusesMissingEmptyAndDuplicateNames) {
    const std::string taken = register_class();
    std::string upper_taken = taken;
    for (char& c : upper_taken) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {nullptr, false},
        {"", false},
        {taken.c_str(), false},
        {upper_taken.c_str(), false},
        {"PlatformTestFresh", true},
    };
    for (const Case& c : cases) {
        WNDCLASSEXA window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.lpszClassName = c.name;
        EXPECT_EQ(RegisterClassExA(&window_class) != 0, c.accepted)
            << (c.name != nullptr ? c.name : "(null)");
    }
    EXPECT_EQ(RegisterClassExA(nullptr), 0);
}

TEST_F(WindowTest, CreateFindsClassesCaseInsensitivelyAndRefusesUnknownOnes) {
    HWND main = create_main_window();
    const std::string name = register_class();
    std::string lower = name;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    struct Case {
        const char* class_name;
        DWORD style;
        HWND parent;
        bool created;
    };
    const Case cases[] = {
        {lower.c_str(), kMainStyle, nullptr, true},
        {"Static", kChild, main, true},
        {"BUTTON", kChild, main, true},
        {"Edit", kChild, main, true},
        {"NoSuchClass", kChild, main, false},
        {"edit", kChild, nullptr, false},  // a child without a parent
    };
    for (const Case& c : cases) {
        HWND window = CreateWindowExA(0, c.class_name, "x", c.style, 0, 0, 10, 10, c.parent,
                                      nullptr, nullptr, nullptr);
        EXPECT_EQ(window != nullptr, c.created) << c.class_name;
        if (window != nullptr && c.parent == nullptr) {
            DestroyWindow(window);
        }
    }
}

TEST_F(WindowTest, CreateSendsCreateBeforeReturningAndChildrenMadeThenExist) {
    HWND seen_in_create = nullptr;
    HWND edit = nullptr;
    HWND button = nullptr;
    handler_ = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_CREATE) {
            return std::nullopt;
        }
        seen_in_create = window;
        edit = create_child(window, "edit", "", kChild | WS_BORDER, 10, 20, 125, 25, 2);
        button = create_child(window, "button", "Help", kChild, 165, 315, 125, 30, 10);
        return 0;
    };
    HWND main = create_main_window();

    ASSERT_FALSE(calls_.empty());
    EXPECT_EQ(calls_.front().message, WM_CREATE);
    EXPECT_EQ(seen_in_create, main);
    ASSERT_NE(widget_of(edit), nullptr);
    ASSERT_NE(widget_of(button), nullptr);
    EXPECT_EQ(widget_of(edit)->window(), widget_of(main));
    EXPECT_EQ(window_of(widget_of(button)), button);
}

TEST_F(WindowTest, CreateFailsWhenTheProcedureRefusesCreation) {
    handler_ = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            return -1;
        }
        return std::nullopt;
    };
    const std::string name = register_class();
    HWND window = CreateWindowExA(0, name.c_str(), "refused", kMainStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 320, 400, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(window, nullptr);
    ASSERT_EQ(calls_of(WM_DESTROY).size(), 1u);
    EXPECT_EQ(widget_of(calls_of(WM_DESTROY)[0].window), nullptr);
}

TEST_F(WindowTest, MainWindowHasTheClassicClientAreaAndFixedCaption) {
    struct Case {
        DWORD style;
        DWORD ex_style;
        QSize client;
    };
    const Case cases[] = {
        {kMainStyle, kMainExStyle, QSize(310, 371)},
        {kMainStyle, 0, QSize(314, 375)},
        {kMainStyle | WS_THICKFRAME, WS_EX_CLIENTEDGE, QSize(308, 369)},
    };
    for (const Case& c : cases) {
        HWND main = create_main_window(c.ex_style, c.style);
        HWND child = create_child(main, "STATIC", "", kChild, 0, 0, 1, 1, 1);
        QWidget* client = widget_of(child)->parentWidget();
        EXPECT_EQ(client->size(), c.client) << std::hex << c.style << " " << c.ex_style;
        QWidget* frame = widget_of(main);
        EXPECT_TRUE(frame->isWindow());
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("Vistaro v0.1"));
        EXPECT_EQ(frame->minimumSize() == frame->maximumSize(), (c.style & WS_THICKFRAME) == 0);
        const Qt::WindowFlags flags = frame->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

TEST_F(WindowTest, ChildrenSitAtClientCoordinatesInCreationOrder) {
    struct Child {
        const char* class_name;
        const char* text;
        DWORD style;
        QRect rect;
        int id;
    };
    const Child children[] = {
        {"button", "Write to file", kChild | BS_DEFPUSHBUTTON, QRect(165, 225, 125, 30), 0},
        {"button", "unused", kChild | WS_DISABLED | BS_DEFPUSHBUTTON, QRect(165, 260, 125, 30), 9},
        {"button", "File control", kChild | BS_GROUPBOX, QRect(160, 205, 135, 90), 0},
        {"edit", "", kChild | WS_BORDER | ES_NUMBER | ES_RIGHT, QRect(10, 20, 125, 25), 2},
        {"edit", "", kChild | WS_DISABLED | WS_BORDER | ES_RIGHT, QRect(10, 320, 125, 25), 7},
        {"STATIC", "hidden", WS_CHILD, QRect(0, 0, 10, 10), 50},
    };
    HWND main = create_main_window();
    std::vector<HWND> made;
    for (const Child& c : children) {
        made.push_back(create_child(main, c.class_name, c.text, c.style, c.rect.x(), c.rect.y(),
                                    c.rect.width(), c.rect.height(), c.id));
    }
    show(main);

    QWidget* client = widget_of(made[0])->parentWidget();
    const QObjectList stacking = client->children();
    int previous_position = -1;
    for (std::size_t i = 0; i < made.size(); ++i) {
        const Child& c = children[i];
        QWidget* widget = widget_of(made[i]);
        ASSERT_NE(widget, nullptr) << c.text;
        EXPECT_EQ(widget->parentWidget(), client) << c.text;
        EXPECT_EQ(widget->geometry(), c.rect) << c.text;
        EXPECT_EQ(widget->isEnabled(), (c.style & WS_DISABLED) == 0) << c.text;
        EXPECT_EQ(widget->isVisible(), (c.style & WS_VISIBLE) != 0) << c.text;
        EXPECT_EQ(widget->focusPolicy() & Qt::TabFocus, 0) << c.text;
        const int position = static_cast<int>(stacking.indexOf(widget));
        EXPECT_GT(position, previous_position) << c.text << " is stacked out of order";
        previous_position = position;
    }
}

TEST_F(WindowTest, EveryByteRoundTripsThroughWindowTexts) {
    std::string all_bytes;
    for (int b = 1; b <= 255; ++b) {
        all_bytes += static_cast<char>(b);
    }
    HWND main = create_main_window();
    const HWND windows[] = {
        main,
        create_child(main, "edit", "", kChild | WS_BORDER | ES_RIGHT, 10, 20, 125, 25, 2),
        create_child(main, "edit", "", kChild | ES_NUMBER, 10, 70, 125, 25, 3),
        create_child(main, "button", "", kChild | BS_PUSHBUTTON, 165, 225, 125, 30, 0),
        create_child(main, "button", "", kChild | BS_GROUPBOX, 5, 5, 135, 45, 0),
        create_child(main, "STATIC", "", kChild, 150, 12, 100, 20, 50),
    };
    for (HWND window : windows) {
        ASSERT_TRUE(SetWindowTextA(window, all_bytes.c_str()));
        char buffer[300];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(GetWindowTextA(window, buffer, sizeof buffer), 255);
        EXPECT_EQ(std::string(buffer), all_bytes) << widget_of(window)->metaObject()->className();
    }
    EXPECT_EQ(widget_of(main)->windowTitle(), QString::fromLatin1(all_bytes.c_str()));
}

TEST_F(WindowTest, GetWindowTextCutsToTheBufferAndTerminates) {
    HWND main = create_main_window();
    HWND edit = create_child(main, "edit", "abcdef", kChild | WS_BORDER, 10, 20, 125, 25, 2);
    HWND empty = create_child(main, "edit", "", kChild | WS_BORDER, 10, 70, 125, 25, 3);
    struct Case {
        HWND window;
        int size;
        int copied;
        const char* text;  // null: the buffer is left untouched
    };
    const Case cases[] = {
        {edit, -1, 0, nullptr},   {edit, 0, 0, nullptr}, {edit, 1, 0, ""},
        {edit, 4, 3, "abc"},      {edit, 6, 5, "abcde"}, {edit, 7, 6, "abcdef"},
        {edit, 300, 6, "abcdef"}, {empty, 300, 0, ""},   {main, 8, 7, "Vistaro"},
    };
    for (const Case& c : cases) {
        char buffer[301];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(GetWindowTextA(c.window, buffer, c.size), c.copied) << c.size;
        if (c.text == nullptr) {
            EXPECT_EQ(buffer[0], '#') << c.size;
            continue;
        }
        EXPECT_STREQ(buffer, c.text) << c.size;
        EXPECT_EQ(buffer[c.copied + 1], '#') << "wrote past the terminator, size " << c.size;
    }
}

TEST_F(WindowTest, ClosingFromTheCaptionDestroysThroughTheProcedureAndEndsTheLoop) {
    HWND child = nullptr;
    const std::string child_class = register_class();
    handler_ = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY && window != child) {
            PostQuitMessage(3);
            return 0;
        }
        return std::nullopt;
    };
    HWND main = create_main_window();
    child = create_child(main, child_class.c_str(), "", kChild, 0, 0, 50, 50, 1);
    HWND edit = create_child(main, "edit", "", kChild | WS_BORDER, 10, 20, 125, 25, 2);
    show(main);
    calls_.clear();

    QCloseEvent close;
    QCoreApplication::sendEvent(widget_of(main), &close);

    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    std::vector<std::pair<HWND, UINT>> sequence;
    for (const Call& call : calls_) {
        if (call.message == WM_CLOSE || call.message == WM_DESTROY) {
            sequence.emplace_back(call.window, call.message);
        }
    }
    const std::vector<std::pair<HWND, UINT>> expected = {
        {main, WM_CLOSE}, {main, WM_DESTROY}, {child, WM_DESTROY}};
    EXPECT_EQ(sequence, expected);

    // Dead handles fail quietly.
    char buffer[8] = "xxxxxxx";
    for (HWND dead : {main, child, edit}) {
        EXPECT_EQ(widget_of(dead), nullptr);
        EXPECT_FALSE(DestroyWindow(dead));
        EXPECT_FALSE(SetWindowTextA(dead, "text"));
        EXPECT_EQ(GetWindowTextA(dead, buffer, sizeof buffer), 0);
        EXPECT_EQ(buffer[0], '\0');
        EXPECT_EQ(SendMessageA(dead, WM_CLOSE, 0, 0), 0);
        EXPECT_FALSE(PostMessageA(dead, WM_USER, 0, 0));
        EXPECT_FALSE(ShowWindow(dead, SW_SHOW));
    }
}

TEST_F(WindowTest, QueueDeliversPostedMessagesInOrderThenQuit) {
    HWND main = create_main_window();
    PostQuitMessage(5);
    PostMessageA(main, WM_USER + 1, 11, 12);
    PostMessageA(nullptr, WM_USER + 2, 21, 22);
    PostMessageA(main, WM_USER + 3, 31, 32);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 31u);

    const std::vector<std::pair<UINT, BOOL>> expected = {
        {WM_USER + 1, TRUE}, {WM_USER + 2, TRUE}, {WM_QUIT, FALSE}};
    for (const auto& [message, result] : expected) {
        EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), result);
        EXPECT_EQ(msg.message, message);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(msg.wParam, 5u);
    ASSERT_EQ(calls_of(WM_USER + 1).size(), 1u);
    EXPECT_EQ(calls_of(WM_USER + 1)[0].window, main);
    EXPECT_EQ(calls_of(WM_USER + 1)[0].wparam, 11u);
    EXPECT_EQ(calls_of(WM_USER + 1)[0].lparam, 12);
    EXPECT_TRUE(calls_of(WM_USER + 2).empty());
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, GetMessageWaitsInTheEventLoopForAPost) {
    HWND main = create_main_window();
    QTimer::singleShot(0, [main] { PostMessageA(main, WM_USER + 7, 1, 2); });
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.hwnd, main);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));
}

TEST_F(WindowTest, PaintingAsksTheProcedureWhichValidatesThroughBeginAndEndPaint) {
    std::vector<PAINTSTRUCT> paints;
    handler_ = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT) {
            return std::nullopt;
        }
        PAINTSTRUCT paint;
        EXPECT_NE(BeginPaint(window, &paint), nullptr);
        paints.push_back(paint);
        EXPECT_TRUE(EndPaint(window, &paint));
        return 0;
    };
    HWND main = create_main_window();
    show(main);
    paints.clear();
    UpdateWindow(main);

    ASSERT_FALSE(paints.empty());
    const RECT area = paints.back().rcPaint;
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, 310);
    EXPECT_EQ(area.bottom, 371);
    EXPECT_EQ(paints.back().hdc, paints.front().hdc);
}

TEST_F(WindowTest, ShowWindowShowsMinimisesAndHides) {
    HWND main = create_main_window();
    QWidget* widget = widget_of(main);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_FALSE(ShowWindow(main, SW_SHOWDEFAULT));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(ShowWindow(main, SW_MINIMIZE));
    EXPECT_TRUE(widget->isMinimized());
    ShowWindow(main, SW_SHOWNORMAL);
    EXPECT_FALSE(widget->isMinimized());
    EXPECT_TRUE(ShowWindow(main, SW_HIDE));
    EXPECT_FALSE(widget->isVisible());
}

}  // namespace
}  // namespace platform_test
