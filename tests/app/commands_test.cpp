#include "app_fixture.h"
#include "paramfile/conversions.h"

namespace {

using CommandsTest = AppTest;

std::string help_text() {
    const char* lines[] = {
        "Parameters:",
        "",
        "Sun position:\tPosition of the sun, in degrees. 0 to 360 degrees are accepted values.",
        "Sun elevation:\tElevation (height) of the sun. 0 to 90 degrees are accepted values.",
        "Panorama file:\tFilename of the panorama. Can be changed, but you must then rename the",
        "\t\tpanorama file itself, and also the _1a.bmp. Ex: \"S1.bmp\" to \"my_pano.bmp\"",
        "\t\tand \"S1_1a.bmp\" to \"my_pano_1a.bmp\".",
        "Startpos at feet:\tThis parameter changes the starting position. Adding to this value",
        "\t\twill rotate the heli position clockwise. Valid values are from 1 to 360 degrees.",
        "Sizing factor:\tThis parameter is difficult to explain. Experiment with it, but change",
        "\t\tit in small increments. Adding to the value will make the heli appear bigger with "
        "respect",
        "\t\tto the landscape. Extreme values will appear to curve the horizon.",
        "",
        "Usage:",
        "",
        "Drag a .wlp file and drop it on the main window. Current values in the file will",
        "be shown. Change the values you want, and press the \"Write to file\"-button",
        "",
        "WARNING: USE AT YOUR OWN RISK. NO RESPONSIBILITES ASSUMED!",
        "",
        nullptr,  // the notice about the simulator
        "",
        "Credits:",
        nullptr,  // the credits
        "",
    };
    std::string text;
    for (const char* line : lines) {
        text += line != nullptr ? line : "?";
        text += "\r\n";
    }
    return text;
}

// The help text with its two free lines replaced by "?".
std::string with_free_lines_masked(const std::string& shown) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = shown.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(shown.substr(start, end - start));
    }
    EXPECT_EQ(start, shown.size()) << "the text ends with CR LF";
    if (lines.size() != 25) {
        return shown;
    }
    EXPECT_NE(lines[20].find("Reflex XTR"), std::string::npos);
    lines[20] = lines[23] = "?";
    std::string masked;
    for (const std::string& line : lines) {
        masked += line + "\r\n";
    }
    return masked;
}

Bytes wlp_file() {
    Bytes bytes = random_bytes(1500, 42);
    encode_single(0.5f, &bytes[950]);
    encode_single(0.25f, &bytes[954]);
    std::memcpy(&bytes[359], "my_pano.bmp", 12);
    encode_single(180.0f, &bytes[830]);
    encode_single(0.25f, &bytes[842]);
    return bytes;
}

TEST_F(CommandsTest, ADropFillsTheFiveFields) {
    drop_files({make_file("pano.wlp", wlp_file())});
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_EQ(shown_texts(),
              (std::vector<std::string>{"28", "14", "my_pano.bmp", "180.000", "0.250"}));
}

TEST_F(CommandsTest, EditedValuesAreWrittenByTheButton) {
    const Bytes original = wlp_file();
    const std::string path = make_file("pano.wlp", original);
    drop_files({path});
    type_into(g_edit_fields[kSunPositionEdit], "270");
    type_into(g_edit_fields[kSunElevationEdit], "90");
    type_into(g_edit_fields[kPanoramaNameEdit], "S1.bmp");
    type_into(g_edit_fields[kStartPositionEdit], "12.5");
    type_into(g_edit_fields[kSizingFactorEdit], "2");
    click(g_write_button);
    ASSERT_EQ(take_boxes(), std::vector<std::string>{"Ok: Data is written"});

    Bytes expected = original;
    encode_single(whole_degrees_to_radians(270), &expected[950]);
    encode_single(whole_degrees_to_radians(90), &expected[954]);
    std::memcpy(&expected[359], "S1.bmp", 7);
    encode_single(12.5f, &expected[830]);
    encode_single(2.0f, &expected[842]);
    EXPECT_EQ(read_file(path), expected);
}

TEST_F(CommandsTest, WriteWithoutAFileSaysSo) {
    type_into(g_edit_fields[kSunPositionEdit], "999");
    click(g_write_button);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].owner, window_);
    EXPECT_EQ(boxes_[0].flags, 0x10030u);
    EXPECT_EQ(take_boxes(), std::vector<std::string>{"Error: No wlp file open"});
}

TEST_F(CommandsTest, HelpShowsItsTextAndChangesNothing) {
    const std::string path = make_file("pano.wlp", wlp_file());
    for (const bool with_file : {false, true}) {
        if (with_file) {
            drop_files({path});
            type_into(g_edit_fields[kStartPositionEdit], "7");
        }
        const std::vector<std::string> before = shown_texts();
        click(g_help_button);
        ASSERT_EQ(boxes_.size(), 1u) << with_file;
        EXPECT_EQ(boxes_[0].caption, "Help");
        EXPECT_EQ(boxes_[0].flags, 0x10040u);
        EXPECT_EQ(boxes_[0].owner, window_);
        EXPECT_EQ(with_free_lines_masked(boxes_[0].text), help_text());
        boxes_.clear();
        EXPECT_EQ(shown_texts(), before);
        EXPECT_EQ(read_file(path), wlp_file());
    }
}

TEST_F(CommandsTest, TheDisabledButtonAndEditChangesDoNothing) {
    drop_files({make_file("pano.wlp", wlp_file())});
    click(g_unused_button);
    // Edit notifications carry the edit's id in the low word, and the write id is 0.
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), 0);
    pump();
    EXPECT_TRUE(take_boxes().empty());
}

TEST_F(CommandsTest, ANewDropLosesUnwrittenEdits) {
    const Bytes first = wlp_file();
    const std::string first_path = make_file("first.wlp", first);
    Bytes second = Bytes(958, 0);
    std::memcpy(&second[359], "second.bmp", 11);
    const std::string second_path = make_file("second.wlp", second);

    drop_files({first_path});
    type_into(g_edit_fields[kPanoramaNameEdit], "edited.bmp");
    drop_files({second_path});
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_EQ(shown_texts(), (std::vector<std::string>{"0", "0", "second.bmp", "0.000", "0.000"}));
    EXPECT_EQ(read_file(first_path), first);
}

TEST_F(CommandsTest, ADropOfSeveralFilesLoadsTheFirst) {
    Bytes second = Bytes(958, 0);
    drop_files({make_file("a.wlp", wlp_file()), make_file("b.wlp", second)});
    EXPECT_EQ(shown_texts()[2], "my_pano.bmp");
}

}  // namespace
