#include "paramfile/writer.h"

#include <unistd.h>

#include "paramfile_fixture.h"

namespace {

using WriterTest = ParamFileTest;

Bytes field_bytes(const Bytes& file, const FieldLayout& layout) {
    return Bytes(file.begin() + layout.offset, file.begin() + layout.offset + layout.length);
}

TEST_F(WriterTest, WithoutAnOpenFileNothingIsValidated) {
    set_texts("bad", "bad", "", "bad", "bad");
    write_to_file(host_);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].caption, "Error");
    EXPECT_EQ(boxes_[0].text, "No wlp file open");
    EXPECT_EQ(boxes_[0].flags, 0x10030u);
    EXPECT_EQ(boxes_[0].owner, host_);
}

TEST_F(WriterTest, WritesTheFiveFieldsAndNoOtherByte) {
    const Bytes original = random_bytes(4096, 11);
    const std::string path = make_file("pano.wlp", original);
    drop({path});
    ASSERT_TRUE(boxes_.empty());

    set_texts("270", "90", "my_pano.bmp", "123.25", "-0.75");
    write_to_file(host_);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].caption, "Ok");
    EXPECT_EQ(boxes_[0].text, "Data is written");
    EXPECT_EQ(boxes_[0].flags, 0x10040u);
    EXPECT_EQ(boxes_[0].owner, host_);

    const Bytes written = read_file(path);
    ASSERT_EQ(written.size(), original.size());
    for (long offset = 0; offset < static_cast<long>(original.size()); ++offset) {
        if (!inside_a_field(offset)) {
            ASSERT_EQ(written[offset], original[offset]) << "offset " << offset;
        }
    }
    EXPECT_EQ(field_bytes(written, kFieldAccessOrder[1]), (Bytes{0xDB, 0x0F, 0xC9, 0x3F}));
    EXPECT_EQ(get_single(written, kSunPositionOffset), whole_degrees_to_radians(270));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&written[kPanoramaNameOffset]), 12),
              std::string("my_pano.bmp\0", 12));
    EXPECT_EQ(get_single(written, kStartPositionOffset), 123.25f);
    EXPECT_EQ(get_single(written, kSizingFactorOffset), -0.75f);
    EXPECT_NE(g_open_file, nullptr);
}

TEST_F(WriterTest, TheBytesAreInTheFileWhenSuccessIsShown) {
    const std::string path = make_file("pano.wlp", Bytes(958, 0));
    drop({path});
    Bytes seen_at_the_box;
    on_box_ = [&](const win32_test::MessageBoxCall&) { seen_at_the_box = read_file(path); };
    set_texts("0", "90", "x", "1", "1");
    write_to_file(host_);
    ASSERT_EQ(seen_at_the_box.size(), 958u);
    EXPECT_EQ(field_bytes(seen_at_the_box, kFieldAccessOrder[1]), (Bytes{0xDB, 0x0F, 0xC9, 0x3F}));
}

TEST_F(WriterTest, AShorterNameChangesOnlyTheBytesUpToItsNul) {
    Bytes original = random_bytes(958, 5);
    put_name(&original, "my_pano.bmp");
    const std::string path = make_file("pano.wlp", original);
    drop({path});
    set_texts("10", "20", "S1.bmp", "30", "1");
    write_to_file(host_);
    ASSERT_EQ(only_box(), "Ok: Data is written");

    Bytes expected_name = field_bytes(original, kFieldAccessOrder[2]);
    std::memcpy(expected_name.data(), "S1.bmp", 7);
    const Bytes written = read_file(path);
    EXPECT_EQ(field_bytes(written, kFieldAccessOrder[2]), expected_name);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(expected_name.data()), 12),
              std::string("S1.bmp\0.bmp\0", 12));
}

TEST_F(WriterTest, WritingRightAfterADropStoresTheShownValues) {
    Bytes original = random_bytes(958, 8);
    put_single(&original, kSunPositionOffset, 0.5f);  // 28.6 degrees, shown as 28
    put_single(&original, kSunElevationOffset, whole_degrees_to_radians(1));
    put_name(&original, "pano.bmp");
    put_single(&original, kStartPositionOffset, 45.6789f);
    put_single(&original, kSizingFactorOffset, 0.12345f);
    const std::string path = make_file("pano.wlp", original);
    drop({path});
    write_to_file(host_);
    ASSERT_EQ(only_box(), "Ok: Data is written");

    const Bytes written = read_file(path);
    EXPECT_EQ(get_single(written, kSunPositionOffset), whole_degrees_to_radians(28));
    EXPECT_EQ(get_single(written, kSunElevationOffset), whole_degrees_to_radians(0));
    EXPECT_EQ(get_single(written, kStartPositionOffset), 45.679f);
    EXPECT_EQ(get_single(written, kSizingFactorOffset), 0.123f);
}

TEST_F(WriterTest, NameBytesOfEveryValueSurviveALoadAndAWrite) {
    Bytes original(958, 0);
    for (std::size_t i = 0; i < kPanoramaNameLength; ++i) {
        original[kPanoramaNameOffset + i] = static_cast<unsigned char>(1 + i);  // 0x01..0xFF
    }
    put_single(&original, kStartPositionOffset, 90.0f);
    const std::string path = make_file("pano.wlp", original);
    drop({path});
    write_to_file(host_);
    ASSERT_EQ(only_box(), "Ok: Data is written");
    EXPECT_EQ(field_bytes(read_file(path), kFieldAccessOrder[2]),
              field_bytes(original, kFieldAccessOrder[2]));
}

TEST_F(WriterTest, ARejectedFieldLeavesTheFileUntouched) {
    const Bytes original = random_bytes(2000, 21);
    const std::string path = make_file("pano.wlp", original);
    drop({path});
    set_texts("10", "20", "new.bmp", "30", "abc");
    write_to_file(host_);
    EXPECT_EQ(only_box(), "Invalid value: Sizing factor");
    EXPECT_EQ(read_file(path), original);
}

TEST_F(WriterTest, TheFileIsNeverExtended) {
    const std::string path = make_file("pano.wlp", random_bytes(958, 4));
    drop({path});
    set_texts("1", "2", std::string(255, 'q'), "3", "4");
    write_to_file(host_);
    ASSERT_EQ(only_box(), "Ok: Data is written");
    EXPECT_EQ(read_file(path).size(), 958u);

    // Cut short by someone else while open: refused rather than grown back.
    std::filesystem::resize_file(path, 900);
    write_to_file(host_);
    EXPECT_EQ(only_box(), "Error: File too short for a wlp file");
    EXPECT_EQ(read_file(path).size(), 900u);
}

TEST_F(WriterTest, AFailingDeviceIsReportedAndNeverAsSuccess) {
    if (access("/dev/full", R_OK | W_OK) != 0) {
        GTEST_SKIP() << "no /dev/full here";
    }
    drop({"/dev/full"});
    ASSERT_TRUE(boxes_.empty());
    set_texts("10", "20", "pano.bmp", "30", "1");
    for (int attempt = 0; attempt < 2; ++attempt) {
        write_to_file(host_);
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].caption, "Error");
        EXPECT_EQ(boxes_[0].text, "File write error");
        EXPECT_EQ(boxes_[0].flags, 0x10030u);
        boxes_.clear();
        EXPECT_NE(g_open_file, nullptr) << "the file stays open for another try";
    }
}

}  // namespace
