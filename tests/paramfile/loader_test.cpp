#include "paramfile/loader.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "paramfile_fixture.h"

namespace {

using LoaderTest = ParamFileTest;

Bytes file_with_values(float sun_position, float sun_elevation, const std::string& name,
                       float start_position, float sizing_factor) {
    Bytes bytes = random_bytes(1200, 3);
    put_single(&bytes, kSunPositionOffset, sun_position);
    put_single(&bytes, kSunElevationOffset, sun_elevation);
    put_name(&bytes, name);
    put_single(&bytes, kStartPositionOffset, start_position);
    put_single(&bytes, kSizingFactorOffset, sizing_factor);
    return bytes;
}

TEST_F(LoaderTest, ZeroFileShowsZerosAndAnEmptyName) {
    drop({make_file("zero.wlp", Bytes(958, 0))});
    EXPECT_TRUE(boxes_.empty());
    EXPECT_NE(g_open_file, nullptr);
    EXPECT_EQ(shown_texts(), (std::vector<std::string>{"0", "0", "", "0.000", "0.000"}));
}

TEST_F(LoaderTest, ShowsTheFieldsInTheirDisplayForm) {
    const struct {
        float sun_position, sun_elevation;
        std::string name;
        float start_position, sizing_factor;
        std::vector<std::string> shown;
    } cases[] = {
        {1.5707964f,
         0.017453292f,
         "my_pano.bmp",
         180.0f,
         0.25f,
         {"90", "0", "my_pano.bmp", "180.000", "0.250"}},
        {-0.5f, 2.0f, "S1.bmp", 1.0f, -3.5f, {"-28", "114", "S1.bmp", "1.000", "-3.500"}},
        {std::numeric_limits<float>::quiet_NaN(),
         4e7f,
         "x",
         0.12345f,
         1e30f,
         {"-2147483648", "-2147483648", "x", "0.123", "1000000015047466219876688855040.000"}},
    };
    for (const auto& c : cases) {
        drop({make_file("values.wlp", file_with_values(c.sun_position, c.sun_elevation, c.name,
                                                       c.start_position, c.sizing_factor))});
        EXPECT_TRUE(boxes_.empty());
        EXPECT_EQ(shown_texts(), c.shown);
    }
}

TEST_F(LoaderTest, NameOfAllTwoHundredFiftyFiveBytesIsShownWhole) {
    Bytes bytes(958, 0);
    std::memset(bytes.data() + kPanoramaNameOffset, 'n', kPanoramaNameLength);
    drop({make_file("long_name.wlp", bytes)});
    EXPECT_EQ(text(kPanoramaNameEdit), std::string(255, 'n'));
}

TEST_F(LoaderTest, OnlyTheFirstFileOfADropIsLoaded) {
    const std::string first = make_file("first.wlp", file_with_values(0, 0, "first", 2, 2));
    const std::string second = make_file("second.wlp", file_with_values(0, 0, "second", 3, 3));
    drop({first, second});
    EXPECT_EQ(text(kPanoramaNameEdit), "first");
    EXPECT_EQ(text(kStartPositionEdit), "2.000");
}

TEST_F(LoaderTest, PathsLongerThanAnyFixedBufferAreOpenedWhole) {
    // A file whose path is cut at 249 characters must not be the one that opens.
    std::filesystem::path deep = folder_.path();
    while (deep.string().size() < 320) {
        deep /= std::string(40, 'd');
    }
    std::filesystem::create_directories(deep);
    const std::string path = (deep / "pano.wlp").string();
    std::ofstream(path, std::ios::binary).write(std::string(958, '\0').data(), 958);
    ASSERT_GT(path.size(), 300u);
    drop({path});
    EXPECT_TRUE(boxes_.empty());
    EXPECT_NE(g_open_file, nullptr);
}

TEST_F(LoaderTest, AFileThatCannotBeOpenedLeavesNoFileOpenAndTheFieldsAsTheyWere) {
    const std::string good = make_file("good.wlp", file_with_values(0, 0, "kept", 5, 6));
    const std::string missing = (folder_.path() / "missing.wlp").string();
    const std::string directory = folder_.path().string();
    for (const std::string& bad : {missing, directory}) {
        drop({good});
        ASSERT_TRUE(boxes_.empty());
        const FieldRecord before = g_field_record;
        const std::vector<std::string> shown_before = shown_texts();

        drop({bad});
        EXPECT_EQ(only_box(), "Error: File open error") << bad;
        EXPECT_EQ(g_open_file, nullptr);
        EXPECT_EQ(shown_texts(), shown_before);
        EXPECT_EQ(0, std::memcmp(&before, &g_field_record, sizeof before));
    }
}

// Sets or clears the immutable flag, which holds even for the superuser; false if the file
// system or the rights refuse it.
bool set_immutable(const std::string& path, bool immutable) {
    const int fd = open(path.c_str(), O_RDONLY);
    int flags = 0;
    bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return done;
}

TEST_F(LoaderTest, AReadOnlyFileIsNotOpenedThoughItCouldBeRead) {
    const std::string path = make_file("read_only.wlp", Bytes(958, 0));
    chmod(path.c_str(), 0444);
    const bool made_immutable = access(path.c_str(), W_OK) == 0 && set_immutable(path, true);
    if (access(path.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "cannot make a file that these rights may not write";
    }
    drop({path});
    EXPECT_EQ(only_box(), "Error: File open error");
    EXPECT_EQ(g_open_file, nullptr);
    if (made_immutable) {
        set_immutable(path, false);
    }
}

TEST_F(LoaderTest, BoxesCarryTheMainWindowAndForegroundFlags) {
    drop({(folder_.path() / "missing.wlp").string()});
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].owner, host_);
    EXPECT_EQ(boxes_[0].flags, 0x10030u);
}

TEST_F(LoaderTest, FilesTooShortForTheFieldsAreRefusedAndChangeNothing) {
    const std::string good = make_file("good.wlp", file_with_values(0.5f, 0.25f, "kept", 5, 6));
    for (const std::size_t size : {0, 1, 359, 613, 846, 950, 957}) {
        drop({good});
        ASSERT_TRUE(boxes_.empty());
        const FieldRecord before = g_field_record;
        const std::vector<std::string> shown_before = shown_texts();
        const Bytes short_bytes = random_bytes(size, static_cast<unsigned>(size));
        const std::string path = make_file("short.wlp", short_bytes);

        drop({path});
        EXPECT_EQ(only_box(), "Error: File too short for a wlp file") << size;
        EXPECT_EQ(g_open_file, nullptr) << size;
        EXPECT_EQ(shown_texts(), shown_before) << size;
        EXPECT_EQ(0, std::memcmp(&before, &g_field_record, sizeof before)) << size;
        EXPECT_EQ(read_file(path), short_bytes) << size;
    }
}

TEST_F(LoaderTest, DroppingTheSameFileAgainReadsItAfresh) {
    const std::string path = make_file("again.wlp", file_with_values(0, 0, "before", 2, 2));
    drop({path});
    Bytes changed = file_with_values(0, 0, "after", 3, 3);
    make_file("again.wlp", changed);
    drop({path});
    EXPECT_EQ(text(kPanoramaNameEdit), "after");
    EXPECT_EQ(text(kStartPositionEdit), "3.000");
}

}  // namespace
