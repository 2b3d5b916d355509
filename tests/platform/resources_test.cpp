// Icons, cursors and bitmaps taken from the resources compiled into the executable.
#include <QLabel>

#include "window_fixture.h"

namespace platform_test {
namespace {

using win32_test::widget_of;

TEST_F(WindowTest, BitmapStaticShowsItsResourceAtThePicturesSize) {
    struct Case {
        const char* name;
        int width;
        int height;
        QRect geometry;
        bool picture;
    };
    const Case cases[] = {
        {"TESTBMP", CW_USEDEFAULT, CW_USEDEFAULT, QRect(150, 12, 23, 17), true},
        {"testbmp", 80, 80, QRect(150, 12, 23, 17), true},
        {"MISSING", 80, 40, QRect(150, 12, 80, 40), false},
    };
    HWND main = create_main_window();
    for (const Case& c : cases) {
        HWND picture = create_child(main, "STATIC", c.name, kChild | SS_BITMAP, 150, 12, c.width,
                                    c.height, 50);
        auto* label = qobject_cast<QLabel*>(widget_of(picture));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), c.geometry) << c.name;
        const QImage image = label->pixmap().toImage();
        EXPECT_EQ(!image.isNull(), c.picture) << c.name;
        if (c.picture) {
            // The red pixel is the picture's top-left: not flipped.
            EXPECT_EQ(image.pixelColor(0, 0), QColor(200, 30, 40)) << c.name;
            EXPECT_EQ(image.pixelColor(22, 16), QColor(20, 60, 200)) << c.name;
        }
        char text[16];
        GetWindowTextA(picture, text, sizeof text);
        EXPECT_STREQ(text, c.name);
        DestroyWindow(picture);
    }
}

TEST_F(WindowTest, IconsAndCursorsLoadByNameOrAreNull) {
    HICON icon = LoadIconA(nullptr, "TestIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(nullptr, "TESTICON"), icon);
    EXPECT_EQ(LoadIconA(nullptr, "NoSuchIcon"), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, nullptr), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);

    const std::string name = register_class() + "Icon";
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hIcon = icon;
    window_class.hIconSm = icon;
    window_class.lpszClassName = name.c_str();
    ASSERT_NE(RegisterClassExA(&window_class), 0);
    HWND window = CreateWindowExA(0, name.c_str(), "icon", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const QImage shown = widget_of(window)->windowIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(8, 8), QColor(0, 160, 0));
    DestroyWindow(window);
}

}  // namespace
}  // namespace platform_test
