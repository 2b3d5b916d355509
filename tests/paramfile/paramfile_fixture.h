// A host window with the seven edit fields, message boxes answered by the test, and fixture
// files made of bytes the test chooses.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "paramfile/conversions.h"
#include "paramfile/field_layout.h"
#include "paramfile/loader.h"
#include "paramfile/parameter_state.h"
#include "platform/qt/test_seams.h"
#include "platform/win32.h"
#include "support/fixture_files.h"

inline void put_single(Bytes* bytes, long offset, float value) {
    encode_single(value, bytes->data() + offset);
}

inline float get_single(const Bytes& bytes, long offset) {
    return decode_single(bytes.data() + offset);
}

// Writes the name and its NUL at the start of the name field, leaving the rest as it was.
inline void put_name(Bytes* bytes, const std::string& name) {
    std::memcpy(bytes->data() + kPanoramaNameOffset, name.c_str(), name.size() + 1);
}

inline bool inside_a_field(long offset) {
    for (const FieldLayout& layout : kFieldAccessOrder) {
        if (offset >= layout.offset && offset < layout.offset + static_cast<long>(layout.length)) {
            return true;
        }
    }
    return false;
}

class ParamFileTest : public testing::Test {
  protected:
    void SetUp() override {
        static const bool registered = register_host_class();
        ASSERT_TRUE(registered);
        host_ = CreateWindowExA(0, "ParamFileTestHost", "host", WS_CAPTION, 0, 0, 320, 400, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(host_, nullptr);
        for (int i = 0; i < kEditFieldCount; ++i) {
            g_edit_fields[i] = CreateWindowExA(
                0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT, 10, 20 + 50 * i, 125,
                25, host_, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(i + 1)), nullptr,
                nullptr);
            ASSERT_NE(g_edit_fields[i], nullptr);
        }
        close_open_file();
        g_field_record = {};
        win32_test::set_message_box_observer([this](const win32_test::MessageBoxCall& call) {
            boxes_.push_back(call);
            if (on_box_) {
                on_box_(call);
            }
            return IDOK;
        });
        ASSERT_TRUE(folder_.exists());
    }

    void TearDown() override {
        close_open_file();
        win32_test::set_message_box_observer({});
        DestroyWindow(host_);
    }

    std::string make_file(const std::string& name, const Bytes& bytes) {
        return folder_.make_file(name, bytes);
    }

    void drop(const std::vector<std::string>& paths) {
        load_dropped_file(host_, win32_test::make_drop_handle(paths));
    }

    std::string text(int edit) const {
        char buffer[1024];
        GetWindowTextA(g_edit_fields[edit], buffer, sizeof buffer);
        return buffer;
    }

    void set_text(int edit, const std::string& value) {
        SetWindowTextA(g_edit_fields[edit], value.c_str());
    }

    void set_texts(const std::string& sun_position, const std::string& sun_elevation,
                   const std::string& name, const std::string& start_position,
                   const std::string& sizing_factor) {
        set_text(kSunPositionEdit, sun_position);
        set_text(kSunElevationEdit, sun_elevation);
        set_text(kPanoramaNameEdit, name);
        set_text(kStartPositionEdit, start_position);
        set_text(kSizingFactorEdit, sizing_factor);
    }

    std::vector<std::string> shown_texts() const {
        return {text(0), text(1), text(2), text(3), text(4)};
    }

    // The one box shown since the last call, as "caption: text"; fails if not exactly one.
    std::string only_box() {
        std::vector<win32_test::MessageBoxCall> shown;
        shown.swap(boxes_);
        EXPECT_EQ(shown.size(), 1u);
        return shown.empty() ? "" : shown.front().caption + ": " + shown.front().text;
    }

    HWND host_ = nullptr;
    FixtureFolder folder_;
    std::vector<win32_test::MessageBoxCall> boxes_;
    std::function<void(const win32_test::MessageBoxCall&)> on_box_;

  private:
    static bool register_host_class() {
        WNDCLASSEXA window_class = {};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.lpszClassName = "ParamFileTestHost";
        return RegisterClassExA(&window_class) != 0;
    }
};
