// The real main window, built by the tool's own class and procedure, driven through real
// widgets; message boxes are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "paramfile/parameter_state.h"
#include "platform/qt/test_seams.h"
#include "platform/win32.h"
#include "support/fixture_files.h"

class AppTest : public testing::Test {
  protected:
    void SetUp() override {
        static const bool registered = register_main_window_class(g_instance = fake_instance());
        ASSERT_TRUE(registered);
        g_field_record = {};
        win32_test::set_message_box_observer([this](const win32_test::MessageBoxCall& call) {
            boxes_.push_back(call);
            return IDOK;
        });
        window_ = create_main_window(g_instance);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWDEFAULT);
        UpdateWindow(window_);
        ASSERT_TRUE(folder_.exists());
    }

    void TearDown() override {
        DestroyWindow(window_);
        pump();
        win32_test::set_message_box_observer({});
    }

    static HINSTANCE fake_instance() {
        static int module;
        return reinterpret_cast<HINSTANCE>(&module);
    }

    // Runs the tool's message loop until nothing is left to do; remembers a quit.
    void pump() {
        QApplication::processEvents();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit_code_ = static_cast<int>(message.wParam);
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    QWidget* widget(HWND window) const { return win32_test::widget_of(window); }

    void click(HWND button) {
        QTest::mouseClick(widget(button), Qt::LeftButton);
        pump();
    }

    // Replaces an edit's text the way a user does: select all, then type.
    void type_into(HWND edit, const std::string& text) {
        QWidget* field = widget(edit);
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromLatin1(text.c_str()));
        pump();
    }

    // A real drop of local files on the main window, as a file manager makes it.
    void drop_files(const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths) {
            urls.append(QUrl::fromLocalFile(QString::fromLocal8Bit(path.c_str())));
        }
        data.setUrls(urls);
        QWidget* target = widget(window_);
        const QPoint point = target->rect().center();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        pump();
    }

    std::string text(HWND window) const {
        char buffer[1024];
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }

    std::vector<std::string> shown_texts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < 5; ++i) {
            texts.push_back(text(g_edit_fields[i]));
        }
        return texts;
    }

    std::string make_file(const std::string& name, const Bytes& bytes) {
        return folder_.make_file(name, bytes);
    }

    // "caption: text" of each box shown since the last call.
    std::vector<std::string> take_boxes() {
        std::vector<std::string> shown;
        for (const auto& box : boxes_) {
            shown.push_back(box.caption + ": " + box.text);
        }
        boxes_.clear();
        return shown;
    }

    HWND window_ = nullptr;
    FixtureFolder folder_;
    std::vector<win32_test::MessageBoxCall> boxes_;
    int quit_code_ = -1;
};
