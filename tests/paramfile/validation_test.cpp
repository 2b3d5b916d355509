#include "paramfile/validation.h"

#include <cmath>

#include "paramfile_fixture.h"

namespace {

class ValidationTest : public ParamFileTest {
  protected:
    void SetUp() override {
        ParamFileTest::SetUp();
        set_good_texts();
    }

    void set_good_texts() { set_texts("10", "20", "pano.bmp", "30", "1.5"); }

    // Runs validation; returns "" when accepted, else the one box's text.
    std::string validate() {
        if (validate_fields(g_edit_fields, host_) == 1) {
            EXPECT_TRUE(boxes_.empty());
            return "";
        }
        EXPECT_EQ(boxes_.size(), 1u);
        if (boxes_.empty()) {
            return "?";
        }
        const win32_test::MessageBoxCall box = boxes_.front();
        boxes_.clear();
        EXPECT_EQ(box.caption, "Invalid value");
        EXPECT_EQ(box.flags, 0x30u);
        EXPECT_EQ(box.owner, host_);
        return box.text;
    }
};

TEST_F(ValidationTest, EachFieldIsCheckedWithItsRulesAndNamedWhenRejected) {
    const std::string name_255(255, 'a');
    const std::string name_256(256, 'a');
    const std::string name_400(400, 'a');
    const struct {
        int edit;
        std::string text;
        std::string rejection;  // empty when accepted
    } cases[] = {
        {kSunPositionEdit, "", "Sun position"},
        {kSunPositionEdit, "abc", "Sun position"},
        {kSunPositionEdit, "-5", "Sun position"},
        {kSunPositionEdit, "361", "Sun position"},
        {kSunPositionEdit, "0x169", "Sun position"},
        {kSunPositionEdit, "360", ""},
        {kSunPositionEdit, "0", ""},
        {kSunElevationEdit, "", "Sun elevation"},
        {kSunElevationEdit, "91", "Sun elevation"},
        {kSunElevationEdit, "-1", "Sun elevation"},
        {kSunElevationEdit, "90", ""},
        {kPanoramaNameEdit, "", "Panorama file"},
        {kPanoramaNameEdit, name_256, "Panorama file"},
        {kPanoramaNameEdit, name_400, "Panorama file"},
        {kPanoramaNameEdit, name_255, ""},
        {kPanoramaNameEdit, " ", ""},
        {kStartPositionEdit, "", "Starting position"},
        {kStartPositionEdit, "0.999", "Starting position"},
        {kStartPositionEdit, "360.0001", "Starting position"},
        {kStartPositionEdit, "nan", "Starting position"},
        {kStartPositionEdit, "inf", "Starting position"},
        {kStartPositionEdit, "1e400", "Starting position"},
        {kStartPositionEdit, "1", ""},
        {kStartPositionEdit, "360", ""},
        {kSizingFactorEdit, "abc", "Sizing factor"},
        {kSizingFactorEdit, "", "Sizing factor"},
        {kSizingFactorEdit, "nan", "Sizing factor"},
        {kSizingFactorEdit, "-inf", "Sizing factor"},
        {kSizingFactorEdit, "1e39", "Sizing factor"},
        {kSizingFactorEdit, "1e400", "Sizing factor"},
        {kSizingFactorEdit, "0", ""},
        {kSizingFactorEdit, "-12.5", ""},
        {kSizingFactorEdit, "1e-46", ""},
        {kSizingFactorEdit, "3.4e38", ""},
    };
    for (const auto& c : cases) {
        set_good_texts();
        set_text(c.edit, c.text);
        EXPECT_EQ(validate(), c.rejection) << "field " << c.edit << ": '" << c.text << "'";
    }
}

TEST_F(ValidationTest, AcceptedTextsReachTheRecordInFileUnits) {
    const struct {
        std::string sun_position, sun_elevation, start_position, sizing_factor;
        long position_degrees, elevation_degrees;
        float start, sizing;
    } cases[] = {
        {"010", "08", "1e2", "0.12345", 8, 0, 100.0f, 0.12345f},
        {" 45", "45abc", "359.5", "-2", 45, 45, 359.5f, -2.0f},
        {"0x1f", "0X0A", "1", "1e-46", 31, 10, 1.0f, 0.0f},
    };
    for (const auto& c : cases) {
        set_texts(c.sun_position, c.sun_elevation, "S1.bmp", c.start_position, c.sizing_factor);
        ASSERT_EQ(validate(), "") << c.sun_position;
        EXPECT_EQ(g_field_record.sun_position, whole_degrees_to_radians(c.position_degrees));
        EXPECT_EQ(g_field_record.sun_elevation, whole_degrees_to_radians(c.elevation_degrees));
        EXPECT_STREQ(g_field_record.panorama_name, "S1.bmp");
        EXPECT_EQ(g_field_record.start_position, c.start);
        EXPECT_EQ(g_field_record.sizing_factor, c.sizing);
    }
}

TEST_F(ValidationTest, OnlyTheFirstBadFieldIsReported) {
    set_texts("999", "20", "pano.bmp", "30", "abc");
    EXPECT_EQ(validate(), "Sun position");
    set_texts("10", "20", "pano.bmp", "0", "abc");
    EXPECT_EQ(validate(), "Starting position");
}

TEST_F(ValidationTest, ARejectedAttemptLeavesTheRecordAsItWas) {
    std::memset(g_field_record.panorama_name, 0, sizeof g_field_record.panorama_name);
    std::strcpy(g_field_record.panorama_name, "old.bmp");
    g_field_record.sun_position = 0.5f;
    const FieldRecord before = g_field_record;

    // Every field before the bad one is good and would change the record.
    set_texts("90", "45", "a_much_longer_name.bmp", "200", "oops");
    EXPECT_EQ(validate(), "Sizing factor");
    EXPECT_EQ(0, std::memcmp(&before, &g_field_record, sizeof before));
}

TEST_F(ValidationTest, AShorterNameChangesOnlyTheBytesUpToItsNul) {
    std::memset(g_field_record.panorama_name, 'z', kPanoramaNameLength);
    set_text(kPanoramaNameEdit, "S1.bmp");
    ASSERT_EQ(validate(), "");
    EXPECT_EQ(std::string(g_field_record.panorama_name, 7), std::string("S1.bmp\0", 7));
    EXPECT_EQ(std::string(g_field_record.panorama_name + 7, kPanoramaNameLength - 7),
              std::string(kPanoramaNameLength - 7, 'z'));
}

}  // namespace
