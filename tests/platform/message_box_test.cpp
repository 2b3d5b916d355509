// Message boxes: what the observer sees, and the real modal box.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "window_fixture.h"

namespace platform_test {
namespace {

using win32_test::MessageBoxCall;

TEST_F(WindowTest, ObserverSeesExactlyWhatTheBoxWasGiven) {
    HWND main = create_main_window();
    std::string high_bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
        high_bytes += static_cast<char>(b);
    }
    const MessageBoxCall cases[] = {
        {nullptr, "Could not register main window class", "Error", MB_ICONERROR},
        {main, "Sun position\t0..359\r\nPanorama file\tname", "Help",
         MB_ICONINFORMATION | MB_SETFOREGROUND},
        {main, high_bytes, "Invalid value", MB_ICONEXCLAMATION},
        {main, "", "Ok", MB_OK},
    };
    std::vector<MessageBoxCall> seen;
    win32_test::set_message_box_observer([&](const MessageBoxCall& call) {
        seen.push_back(call);
        return static_cast<int>(seen.size()) + 40;
    });
    for (const MessageBoxCall& c : cases) {
        const int answer = MessageBoxA(c.owner, c.text.c_str(), c.caption.c_str(), c.flags);
        EXPECT_EQ(answer, static_cast<int>(seen.size()) + 40);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back().owner, c.owner);
        EXPECT_EQ(seen.back().text, c.text);
        EXPECT_EQ(seen.back().caption, c.caption);
        EXPECT_EQ(seen.back().flags, c.flags);
    }
    EXPECT_EQ(seen.size(), std::size(cases));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<QDialog*>(top), nullptr) << "a box was shown";
    }
}

struct ShownBox {
    QString title;
    bool modal = false;
    QWidget* parent = nullptr;
    QStringList buttons;
    bool has_icon = false;
};

// Shows a real box, looks at it from inside its modal loop, and presses its button.
ShownBox show_and_press_ok(HWND owner, const char* text, const char* caption, UINT flags,
                           int* result) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            return;
        }
        shown.title = box->windowTitle();
        shown.modal = box->isModal();
        shown.parent = box->parentWidget();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            shown.has_icon = shown.has_icon || !label->pixmap().isNull();
        }
        QPushButton* ok = nullptr;
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            shown.buttons.push_back(button->text());
            ok = button;
        }
        if (ok != nullptr) {
            ok->click();
        } else {
            box->close();
        }
    });
    *result = MessageBoxA(owner, text, caption, flags);
    return shown;
}

TEST_F(WindowTest, RealBoxIsModalWithOneOkButtonAndTheFlagsIcon) {
    HWND main = create_main_window();
    show(main);
    struct Case {
        HWND owner;
        UINT flags;
        bool icon;
    };
    const Case cases[] = {
        {main, MB_ICONERROR, true},
        {main, MB_ICONEXCLAMATION | MB_SETFOREGROUND, true},
        {nullptr, MB_ICONINFORMATION, true},
        {main, MB_OK, false},
    };
    for (const Case& c : cases) {
        int result = 0;
        const ShownBox shown =
            show_and_press_ok(c.owner, "Line one\r\nA\tcolumn", "Caption", c.flags, &result);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(shown.title, QStringLiteral("Caption"));
        EXPECT_TRUE(shown.modal);
        EXPECT_EQ(shown.parent, win32_test::widget_of(c.owner));
        EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_EQ(shown.has_icon, c.icon) << std::hex << c.flags;
    }
}

// The right edge of the dark pixels in each of the image's equal bands of rows.
std::vector<int> right_edges(const QImage& image, int bands) {
    std::vector<int> edges;
    const int band_height = image.height() / bands;
    for (int band = 0; band < bands; ++band) {
        int right = -1;
        for (int y = band * band_height; y < (band + 1) * band_height; ++y) {
            for (int x = image.width() - 1; x > right; --x) {
                if (image.pixelColor(x, y).lightness() < 100) {
                    right = x;
                    break;
                }
            }
        }
        edges.push_back(right);
    }
    return edges;
}

TEST_F(WindowTest, TabsLineUpAColumnAfterLabelsOfDifferentLengths) {
    QImage text_image;
    QTimer::singleShot(0, [&text_image] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            return;
        }
        for (QWidget* child : box->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(child) == nullptr &&
                qobject_cast<QPushButton*>(child) == nullptr) {
                text_image = child->grab().toImage();
            }
        }
        box->close();
    });
    MessageBoxA(nullptr, "Sun position:\tX\r\nStartpos at feet:\tX\nSizing factor:\tX", "Help",
                MB_OK);

    ASSERT_FALSE(text_image.isNull());
    const std::vector<int> edges = right_edges(text_image, 3);
    EXPECT_GT(edges[0], 0);
    EXPECT_EQ(edges[1], edges[0]);
    EXPECT_EQ(edges[2], edges[0]);
}

}  // namespace
}  // namespace platform_test
