// End-to-end scenarios against the real vistaro.exe on a Win32 window system.
#include "scenarios.h"

#include <cstdio>

#include "app/help_text.h"
#include "tool_process.h"
#include "wlp_fixture.h"

namespace {

constexpr int kWriteId = 0;
constexpr int kPanoramaNameId = 1;
constexpr int kSunPositionId = 2;
constexpr int kSunElevationId = 3;
constexpr int kStartPositionId = 4;
constexpr int kSizingFactorId = 5;
constexpr int kUnusedId = 9;
constexpr int kHelpId = 10;

// The edits that hold the five fields, in field order.
constexpr int kFieldEditIds[] = {kSunPositionId, kSunElevationId, kPanoramaNameId, kStartPositionId,
                                 kSizingFactorId};

// 1 rad shows 57, 0.5 rad 28; the start position and sizing factor show three decimals.
const WlpFields kSampleFields = {1.0f, 0.5f, "S1.bmp", 90.25f, 1.5f};
const char* const kSampleTexts[] = {"57", "28", "S1.bmp", "90.250", "1.500"};

std::string hex(LONG value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::string field_texts(const ToolProcess& tool) {
    std::string texts;
    for (int i = 0; i < 5; ++i) {
        texts += (i == 0 ? "" : " | ") + window_text(tool.control(kFieldEditIds[i]));
    }
    return texts;
}

std::string joined(const char* const texts[5]) {
    std::string out;
    for (int i = 0; i < 5; ++i) {
        out += (i == 0 ? "" : " | ") + std::string(texts[i]);
    }
    return out;
}

void set_fields(const ToolProcess& tool, const char* const texts[5]) {
    for (int i = 0; i < 5; ++i) {
        set_window_text(tool.control(kFieldEditIds[i]), texts[i]);
    }
}

// Waits for one box, checks caption and text, and presses OK.
void expect_box(const ToolProcess& tool, Check& check, const std::string& caption,
                const std::string& text, const std::string& after) {
    MessageBoxSeen box;
    if (!check.expect(tool.wait_for_box(&box), "no message box after " + after)) {
        return;
    }
    check.equal(box.caption, caption, "caption after " + after);
    check.equal(box.text, text, "message after " + after);
    check.expect(tool.close_box(box.window), "box after " + after + " did not close");
}

// Posted messages are handled in order: once the help box is the one box up, everything posted
// before it has been handled, and it raised no box that is still open.
void settle(const ToolProcess& tool, Check& check, const std::string& after) {
    tool.press(kHelpId);
    MessageBoxSeen box;
    if (!check.expect(tool.wait_for_box(&box), "no help box while settling after " + after)) {
        return;
    }
    check.equal(box.caption, "Help", "the only box after " + after);
    check.equal(static_cast<long>(tool.open_boxes().size()), 1, "boxes open after " + after);
    tool.close_box(box.window);
}

void expect_clean_exit(ToolProcess& tool, Check& check) {
    DWORD exit_code = 0;
    if (check.expect(tool.close(&exit_code), "the tool did not exit after WM_CLOSE")) {
        check.equal(static_cast<long>(exit_code), 0, "exit code");
    }
}

void expect_file(Check& check, const std::string& path, const Bytes& expected,
                 const std::string& when) {
    Bytes actual;
    if (!check.expect(read_file(path, &actual), "cannot read " + path + " " + when)) {
        return;
    }
    const long offset = first_difference(actual, expected);
    check.expect(offset < 0, "file bytes " + when + " differ from offset " +
                                 std::to_string(offset) + " (size " +
                                 std::to_string(actual.size()) + ", expected " +
                                 std::to_string(expected.size()) + ")");
}

bool start(ToolProcess& tool, Check& check, const Environment& environment) {
    return check.expect(tool.start(environment.exe_path), "the tool did not show its window");
}

// Starts the tool with the sample file dropped and shown.
bool start_with_sample(ToolProcess& tool, Check& check, const Environment& environment,
                       const std::string& path) {
    if (!check.expect(write_file(path, make_wlp(kSampleFields, 1200)), "cannot write " + path) ||
        !start(tool, check, environment)) {
        return false;
    }
    check.expect(tool.drop_file(path), "cannot deliver the drop");
    settle(tool, check, "the drop");
    return check.equal(field_texts(tool), joined(kSampleTexts), "texts after the drop");
}

void main_path(const Environment& environment, Check& check) {
    const std::string path = environment.fixture_dir + "main path.wlp";
    ToolProcess tool;
    if (!start_with_sample(tool, check, environment, path)) {
        return;
    }
    const char* const edited[] = {"270", "90", "my_pano.bmp", "45.5", "2.25"};
    set_fields(tool, edited);
    tool.press(kWriteId);
    expect_box(tool, check, "Ok", "Data is written", "a good write");

    Bytes expected = make_wlp(kSampleFields, 1200);
    put_single_bits(&expected, kSunPositionOffset, 0x4096CBE4);   // 270 degrees
    put_single_bits(&expected, kSunElevationOffset, 0x3FC90FDB);  // 90 degrees
    put_name(&expected, "my_pano.bmp");
    put_single(&expected, kStartPositionOffset, 45.5f);
    put_single(&expected, kSizingFactorOffset, 2.25f);
    expect_file(check, path, expected, "once \"Data is written\" shows");
    expect_clean_exit(tool, check);
    expect_file(check, path, expected, "after the tool exited");
}

void write_without_file(const Environment& environment, Check& check) {
    ToolProcess tool;
    if (!start(tool, check, environment)) {
        return;
    }
    const char* const bad[] = {"-5", "91", "", "0", "abc"};
    set_fields(tool, bad);
    tool.press(kWriteId);
    expect_box(tool, check, "Error", "No wlp file open", "writing with no file");
    settle(tool, check, "the refused write");
    expect_clean_exit(tool, check);
}

void file_open_error(const Environment& environment, Check& check) {
    ToolProcess tool;
    if (!start(tool, check, environment)) {
        return;
    }
    tool.drop_file(environment.fixture_dir + "no such file.wlp");
    expect_box(tool, check, "Error", "File open error", "dropping a missing file");
    tool.press(kWriteId);
    expect_box(tool, check, "Error", "No wlp file open", "writing after the failed drop");
    expect_clean_exit(tool, check);
}

void file_too_short(const Environment& environment, Check& check) {
    const std::string short_path = environment.fixture_dir + "short.wlp";
    const Bytes short_file = make_wlp(kSampleFields, kShortestWlpSize - 1);
    ToolProcess tool;
    if (!check.expect(write_file(short_path, short_file), "cannot write the short file") ||
        !start_with_sample(tool, check, environment, environment.fixture_dir + "before.wlp")) {
        return;
    }
    tool.drop_file(short_path);
    expect_box(tool, check, "Error", "File too short for a wlp file", "dropping a short file");
    check.equal(field_texts(tool), joined(kSampleTexts), "texts after the refused drop");

    // The refused file is closed: nothing can be written into it, or into the one before.
    tool.press(kWriteId);
    expect_box(tool, check, "Error", "No wlp file open", "writing after the refused drop");
    expect_clean_exit(tool, check);
    expect_file(check, short_path, short_file, "of the refused file");
}

void invalid_values(const Environment& environment, Check& check) {
    struct Row {
        int edit_id;
        std::string text;
        const char* message;
    };
    // The sizing factor row also holds a bad sun position: only the first bad field counts.
    const Row rows[] = {
        {kSunPositionId, "361", "Sun position"},
        {kSunPositionId, "", "Sun position"},
        {kSunElevationId, "91", "Sun elevation"},
        {kPanoramaNameId, "", "Panorama file"},
        {kPanoramaNameId, std::string(256, 'n').c_str(), "Panorama file"},
        {kStartPositionId, "0.999", "Starting position"},
        {kStartPositionId, "360.0001", "Starting position"},
        {kSizingFactorId, "abc", "Sizing factor"},
        {kSizingFactorId, "1e39", "Sizing factor"},
    };
    const std::string path = environment.fixture_dir + "invalid values.wlp";
    ToolProcess tool;
    if (!start_with_sample(tool, check, environment, path)) {
        return;
    }
    const char* const good[] = {"360", "90", "pano.bmp", "1", "-3"};
    for (const Row& row : rows) {
        set_fields(tool, good);
        set_window_text(tool.control(row.edit_id), row.text);
        const std::string after =
            "writing " + quoted(row.text) + " into edit " + std::to_string(row.edit_id);
        tool.press(kWriteId);
        expect_box(tool, check, "Invalid value", row.message, after);
        settle(tool, check, after);
    }
    set_fields(tool, good);
    set_window_text(tool.control(kSunPositionId), "-1");
    set_window_text(tool.control(kSizingFactorId), "abc");
    tool.press(kWriteId);
    expect_box(tool, check, "Invalid value", "Sun position", "two bad fields");
    settle(tool, check, "two bad fields");

    expect_clean_exit(tool, check);
    expect_file(check, path, make_wlp(kSampleFields, 1200), "after refused writes");
}

void help_text(const Environment& environment, Check& check) {
    ToolProcess tool;
    if (!start(tool, check, environment)) {
        return;
    }
    tool.press(kUnusedId);  // disabled: a stray click must raise nothing
    tool.press(kHelpId);
    expect_box(tool, check, "Help", kHelpText, "pressing Help");
    check.equal(field_texts(tool), " |  |  |  | ", "edit texts after Help");
    expect_clean_exit(tool, check);
}

void window_layout(const Environment& environment, Check& check) {
    struct ControlRow {
        const char* class_name;
        const char* text;
        LONG style;
        int id;
        RECT client_rect;
    };
    // clang-format off
    const ControlRow expected[] = {
        {"Static", "BITMAP1", 0x5000000E, 50, {150, 12, 300, 113}},
        {"Button", "Write to file", 0x50000001, 0, {165, 225, 290, 255}},
        {"Button", "unused", 0x58000001, 9, {165, 260, 290, 290}},
        {"Button", "Help", 0x50000001, 10, {165, 315, 290, 345}},
        {"Button", "File control", 0x50000007, 0, {160, 205, 295, 295}},
        {"Button", "Sun position", 0x50000007, 0, {5, 5, 140, 50}},
        {"Button", "Sun elevation", 0x50000007, 0, {5, 55, 140, 100}},
        {"Button", "Panorama file", 0x50000007, 0, {5, 105, 140, 150}},
        {"Button", "Startpos at feet", 0x50000007, 0, {5, 155, 140, 200}},
        {"Button", "Sizing factor", 0x50000007, 0, {5, 205, 140, 250}},
        {"Button", "unused", 0x50000007, 0, {5, 255, 140, 300}},
        {"Button", "unused", 0x50000007, 0, {5, 305, 140, 350}},
        {"Edit", "", 0x50802002, 2, {10, 20, 135, 45}},
        {"Edit", "", 0x50802002, 3, {10, 70, 135, 95}},
        {"Edit", "", 0x50800002, 1, {10, 120, 135, 145}},
        {"Edit", "", 0x50800002, 4, {10, 170, 135, 195}},
        {"Edit", "", 0x50800002, 5, {10, 220, 135, 245}},
        {"Edit", "", 0x58800002, 6, {10, 270, 135, 295}},
        {"Edit", "", 0x58800002, 7, {10, 320, 135, 345}},
    };
    // clang-format on
    ToolProcess tool;
    if (!start(tool, check, environment)) {
        return;
    }
    const HWND window = tool.main_window();
    check.equal(window_text(window), "Vistaro v0.1", "title");
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG required = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    check.equal(style & required, required, "caption, system menu and minimise box");
    check.equal(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0, "sizing border and maximise box");
    const LONG ex_style = GetWindowLongA(window, GWL_EXSTYLE);
    check.equal(ex_style & (WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES),
                WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "extended style");
    RECT outer = {};
    GetWindowRect(window, &outer);
    check.equal(outer.right - outer.left, 320, "outer width");
    check.equal(outer.bottom - outer.top, 400, "outer height");

    const std::vector<HWND> children = tool.children();
    check.equal(static_cast<long>(children.size()), 19, "controls");
    for (size_t i = 0; i < children.size() && i < std::size(expected); ++i) {
        const ControlRow& row = expected[i];
        const HWND child = children[i];
        const std::string what = "control " + std::to_string(i + 1) + " ";
        check.equal(class_name(child), row.class_name, what + "class");
        check.equal(window_text(child), row.text, what + "text");
        // An edit takes WS_BORDER out of its window style and draws the border itself.
        const bool edit = row.class_name == std::string("Edit");
        const LONG shown_style = edit ? row.style & ~WS_BORDER : row.style;
        check.equal(hex(GetWindowLongA(child, GWL_STYLE)), hex(shown_style), what + "style");
        check.equal(GetDlgCtrlID(child), row.id, what + "id");
        RECT rect = {};
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        const auto text_of = [](const RECT& r) {
            return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                   std::to_string(r.right) + "," + std::to_string(r.bottom);
        };
        check.equal(text_of(rect), text_of(row.client_rect), what + "client rectangle");
    }
    expect_clean_exit(tool, check);
}

}  // namespace

const Scenario kScenarios[] = {
    {"window and controls", window_layout},
    {"drop, edit, write: exact bytes", main_path},
    {"write with no file open", write_without_file},
    {"drop of a missing file", file_open_error},
    {"drop of a short file", file_too_short},
    {"invalid values", invalid_values},
    {"help text", help_text},
};
const size_t kScenarioCount = std::size(kScenarios);
