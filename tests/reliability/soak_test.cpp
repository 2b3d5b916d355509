// Many drop/edit/write cycles in one process over a set of files, refused ones among them:
// no file descriptor or heap memory builds up, and each file ends exactly as the writes made
// it. Under the sanitizer build LeakSanitizer checks the same process at exit.
#include <malloc.h>

#include <filesystem>
#include <iostream>
#include <random>

#include "paramfile/writer.h"
#include "random_values.h"

#if defined(__SANITIZE_ADDRESS__)
#define VISTARO_HEAP_FROM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VISTARO_HEAP_FROM_ASAN 1
#endif
#endif
#ifdef VISTARO_HEAP_FROM_ASAN
// From the sanitizer runtime; gcc ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using SoakTest = ParamFileTest;

long open_descriptors() {
    long count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

long heap_in_use() {
#ifdef VISTARO_HEAP_FROM_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long>(mallinfo2().uordblks);
#endif
}

enum class Kind { kWlp, kTooShort, kMissing };

struct SoakFile {
    std::string path;
    Kind kind;
    Bytes expected;  // empty for a missing file
};

const char* const kFieldNames[] = {"Sun position", "Sun elevation", "Panorama file",
                                   "Starting position", "Sizing factor"};

// A text the named field refuses.
std::string rejected_text(int field, std::mt19937_64& random) {
    static const char* const kRejected[][3] = {
        {"361", "-1", "east"},    {"91", "0x5B", ""},     {"", "", ""},
        {"0.5", "nan", "360.01"}, {"inf", "1e39", "nan"},
    };
    if (field == kPanoramaNameEdit && random() % 2 == 0) {
        return std::string(kPanoramaNameLength + 1, 'n');
    }
    return kRejected[field][random() % 3];
}

TEST_F(SoakTest, ThousandsOfCyclesLeaveNothingBehindAndEveryFileAsWritten) {
    std::mt19937_64 random(77);
    std::vector<SoakFile> files;
    for (const std::size_t size : {958, 959, 1200, 4096, 65536}) {
        const std::string name = "pano" + std::to_string(size) + ".wlp";
        files.push_back({"", Kind::kWlp, random_file(size, random)});
        files.back().path = make_file(name, files.back().expected);
    }
    files.push_back({"", Kind::kTooShort, random_file(957, random)});
    files.back().path = make_file("short.wlp", files.back().expected);
    files.push_back({(folder_.path() / "missing.wlp").string(), Kind::kMissing, {}});

    const long descriptors = open_descriptors();
    long heap_after_warm_up = 0;
    constexpr int kCycles = 10000;
    constexpr int kWarmUpCycles = 1000;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        SoakFile& file = files[random() % files.size()];
        drop({file.path});
        const bool open = file.kind == Kind::kWlp;
        switch (file.kind) {
            case Kind::kWlp:
                ASSERT_TRUE(boxes_.empty());
                break;
            case Kind::kTooShort:
                ASSERT_EQ(only_box(), "Error: File too short for a wlp file");
                break;
            case Kind::kMissing:
                ASSERT_EQ(only_box(), "Error: File open error");
                break;
        }
        ASSERT_EQ(g_open_file != nullptr, open);

        const AcceptedValues values = random_accepted_values(random);
        set_texts(values.sun_position, values.sun_elevation, values.name, values.start_position,
                  values.sizing_factor);
        const int bad_field = static_cast<int>(random() % 8);  // 5 to 7: all fields good
        if (bad_field < 5) {
            set_text(bad_field, rejected_text(bad_field, random));
        }
        const int writes = static_cast<int>(random() % 3);  // 0: the edits are dropped unwritten
        for (int write = 0; write < writes; ++write) {
            write_to_file(host_);
            if (!open) {
                ASSERT_EQ(only_box(), "Error: No wlp file open");
            } else if (bad_field < 5) {
                ASSERT_EQ(only_box(), std::string("Invalid value: ") + kFieldNames[bad_field]);
            } else {
                ASSERT_EQ(only_box(), "Ok: Data is written");
                apply_values(values, &file.expected);
            }
        }

        if (cycle % 100 == 0) {
            ASSERT_EQ(open_descriptors() - (g_open_file != nullptr ? 1 : 0), descriptors);
        }
        if (cycle == kWarmUpCycles) {
            heap_after_warm_up = heap_in_use();
        }
    }

    close_open_file();
    EXPECT_EQ(open_descriptors(), descriptors);
    // A leak of even a path or a drop handle per cycle would pass this many times over.
    const long heap_growth = heap_in_use() - heap_after_warm_up;
    std::cout << "heap growth over " << kCycles - kWarmUpCycles << " cycles: " << heap_growth
              << " bytes\n";
    EXPECT_LT(heap_growth, 64 * 1024);

    for (const SoakFile& file : files) {
        SCOPED_TRACE(file.path);
        if (file.kind == Kind::kMissing) {
            EXPECT_FALSE(std::filesystem::exists(file.path));
        } else {
            EXPECT_EQ(first_difference(read_whole_file(file.path), file.expected), -1);
        }
    }
}

}  // namespace
