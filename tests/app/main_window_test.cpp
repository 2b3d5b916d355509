#include <QLineEdit>

#include "app_fixture.h"

namespace {

using MainWindowTest = AppTest;

struct ExpectedControl {
    const char* text;
    int x, y, width, height;
    bool enabled;
};

TEST_F(MainWindowTest, BuildsTheNineteenControlsInOrderAtTheirPlaces) {
    const ExpectedControl expected[] = {
        {"BITMAP1", 150, 12, 150, 101, true},
        {"Write to file", 165, 225, 125, 30, true},
        {"unused", 165, 260, 125, 30, false},
        {"Help", 165, 315, 125, 30, true},
        {"File control", 160, 205, 135, 90, true},
        {"Sun position", 5, 5, 135, 45, true},
        {"Sun elevation", 5, 55, 135, 45, true},
        {"Panorama file", 5, 105, 135, 45, true},
        {"Startpos at feet", 5, 155, 135, 45, true},
        {"Sizing factor", 5, 205, 135, 45, true},
        {"unused", 5, 255, 135, 45, true},
        {"unused", 5, 305, 135, 45, true},
        {"", 10, 20, 125, 25, true},
        {"", 10, 70, 125, 25, true},
        {"", 10, 120, 125, 25, true},
        {"", 10, 170, 125, 25, true},
        {"", 10, 220, 125, 25, true},
        {"", 10, 270, 125, 25, false},
        {"", 10, 320, 125, 25, false},
    };
    // The controls are the client area's child widgets, in creation order.
    QWidget* client = widget(g_edit_fields[0])->parentWidget();
    std::vector<HWND> controls;
    for (QObject* child : client->children()) {
        if (auto* control = qobject_cast<QWidget*>(child);
            control && win32_test::window_of(control)) {
            controls.push_back(win32_test::window_of(control));
        }
    }
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ExpectedControl& e = expected[i];
        const QWidget* control = widget(controls[i]);
        EXPECT_EQ(text(controls[i]), e.text) << i;
        EXPECT_EQ(control->geometry(), QRect(e.x, e.y, e.width, e.height)) << e.text << " " << i;
        EXPECT_EQ(control->isEnabled(), e.enabled) << e.text << " " << i;
        EXPECT_TRUE(control->isVisible()) << i;
    }
    for (int i = 0; i < kEditFieldCount; ++i) {
        EXPECT_EQ(g_edit_fields[i], controls[12 + i]) << i;
    }
    EXPECT_EQ(g_write_button, controls[1]);
    EXPECT_EQ(g_unused_button, controls[2]);
    EXPECT_EQ(g_help_button, controls[3]);
}

TEST_F(MainWindowTest, IsAFixedSizeWindowWithItsTitle) {
    EXPECT_EQ(text(window_), "Vistaro v0.1");
    QWidget* top = widget(window_)->window();
    EXPECT_EQ(top->windowTitle(), "Vistaro v0.1");
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(top->windowIcon().isNull());
}

TEST_F(MainWindowTest, EditsStartEmptyRightAlignedAndOnlyTheSunFieldsTakeDigitsOnly) {
    for (int i = 0; i < kEditFieldCount; ++i) {
        auto* edit = qobject_cast<QLineEdit*>(widget(g_edit_fields[i]));
        ASSERT_NE(edit, nullptr) << i;
        EXPECT_EQ(edit->text(), "") << i;
        EXPECT_TRUE(edit->alignment() & Qt::AlignRight) << i;
    }
    const struct {
        int edit;
        std::string typed;
        std::string shown;
    } cases[] = {
        {kSunPositionEdit, "1a-2", "12"},
        {kSunElevationEdit, "-45", "45"},
        {kPanoramaNameEdit, "S1-a.bmp", "S1-a.bmp"},
        {kStartPositionEdit, "-1.5e2", "-1.5e2"},
        {kSizingFactorEdit, "abc", "abc"},
    };
    for (const auto& c : cases) {
        type_into(g_edit_fields[c.edit], c.typed);
        EXPECT_EQ(text(g_edit_fields[c.edit]), c.shown) << c.typed;
    }
    EXPECT_TRUE(take_boxes().empty()) << "typing never validates or writes";
}

TEST_F(MainWindowTest, ClosingTheWindowClosesTheFileAndEndsTheLoopWithZero) {
    const std::string path = make_file("pano.wlp", Bytes(958, 0));
    drop_files({path});
    type_into(g_edit_fields[kSunElevationEdit], "90");
    type_into(g_edit_fields[kPanoramaNameEdit], "x.bmp");
    type_into(g_edit_fields[kStartPositionEdit], "1");
    click(g_write_button);
    ASSERT_EQ(take_boxes(), std::vector<std::string>{"Ok: Data is written"});

    widget(window_)->window()->close();
    pump();
    EXPECT_EQ(quit_code_, 0);
    EXPECT_EQ(g_open_file, nullptr);
    EXPECT_EQ(win32_test::widget_of(window_), nullptr);
    const Bytes written = read_file(path);
    EXPECT_EQ(Bytes(written.begin() + 954, written.begin() + 958), (Bytes{0xDB, 0x0F, 0xC9, 0x3F}));
}

}  // namespace
