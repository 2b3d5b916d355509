// Write errors injected at each step of "Write to file", through a stdio stream whose
// operations fail on demand: every failure is reported, none as success, and no byte outside
// the five fields changes, then or on the retry.
#include <cstdio>
#include <string>

#include "paramfile/field_io.h"
#include "paramfile/writer.h"
#include "paramfile_fixture.h"

namespace {

// A fixed-length file in memory behind fopencookie. It refuses to grow, and fails the seek
// to one position or the write that starts at one position.
struct FaultyFile {
    Bytes bytes;
    long position = 0;
    long fail_seek_to = -1;
    long fail_write_at = -1;
    bool write_past_end = false;

    static ssize_t read(void* cookie, char* buffer, size_t size) {
        auto* file = static_cast<FaultyFile*>(cookie);
        const long available = static_cast<long>(file->bytes.size()) - file->position;
        const size_t count = available > 0 ? std::min(size, static_cast<size_t>(available)) : 0;
        std::memcpy(buffer, file->bytes.data() + file->position, count);
        file->position += static_cast<long>(count);
        return static_cast<ssize_t>(count);
    }

    static ssize_t write(void* cookie, const char* buffer, size_t size) {
        auto* file = static_cast<FaultyFile*>(cookie);
        if (file->position == file->fail_write_at) {
            return -1;
        }
        if (file->position + static_cast<long>(size) > static_cast<long>(file->bytes.size())) {
            file->write_past_end = true;
            return -1;
        }
        std::memcpy(file->bytes.data() + file->position, buffer, size);
        file->position += static_cast<long>(size);
        return static_cast<ssize_t>(size);
    }

    static int seek(void* cookie, off64_t* offset, int whence) {
        auto* file = static_cast<FaultyFile*>(cookie);
        const long base = whence == SEEK_SET   ? 0
                          : whence == SEEK_CUR ? file->position
                                               : static_cast<long>(file->bytes.size());
        const long target = base + static_cast<long>(*offset);
        if (target < 0 || target == file->fail_seek_to) {
            return -1;
        }
        file->position = target;
        *offset = target;
        return 0;
    }

    std::FILE* open(bool buffered) {
        std::FILE* stream = fopencookie(this, "r+", {&read, &write, &seek, nullptr});
        if (stream != nullptr) {
            setvbuf(stream, nullptr, buffered ? _IOFBF : _IONBF, buffered ? 4096 : 0);
        }
        return stream;
    }
};

// The stdio calls "Write to file" makes, one by one; names the first that fails. Shows where
// an injected fault lands, so each case below exercises the failure it names.
std::string first_failing_step(std::FILE* stream, const FieldRecord& record) {
    unsigned char bytes[kPanoramaNameLength];
    if (std::fseek(stream, kMinimumFileSize - 1, SEEK_SET) != 0 ||
        std::fread(bytes, 1, 1, stream) != 1) {
        return "length check";
    }
    for (const FieldLayout& layout : kFieldAccessOrder) {
        fetch_field_bytes(record, layout, bytes);
        if (std::fseek(stream, layout.offset, SEEK_SET) != 0) {
            return "seek " + std::to_string(layout.offset);
        }
        if (std::fwrite(bytes, layout.length, 1, stream) != 1 || std::ferror(stream) != 0) {
            return "write " + std::to_string(layout.offset);
        }
    }
    return std::fflush(stream) == 0 ? "none" : "flush";
}

struct Fault {
    std::string step;
    bool buffered;
    long fail_seek_to;
    long fail_write_at;
};

// Unbuffered, each fwrite reaches the file at once; buffered, the last field waits for the
// flush.
const Fault kFaults[] = {
    {"seek 950", false, 950, -1},
    {"seek 954", false, 954, -1},
    {"seek 359", false, 359, -1},
    {"seek 830", false, 830, -1},
    {"seek 842", false, 842, -1},
    {"write 950", false, -1, 950},
    {"write 954", false, -1, 954},
    {"write 359", false, -1, 359},
    {"write 830", false, -1, 830},
    {"write 842", false, -1, 842},
    {"flush", true, -1, 842},
    // As the tool's own streams are: buffered, so a failed write shows at the next seek.
    {"seek 954", true, -1, 950},
    {"seek 359", true, -1, 954},
    {"seek 830", true, -1, 359},
    {"seek 842", true, -1, 830},
};

class FaultInjectionTest : public ParamFileTest {
  protected:
    // The record as a load of `original` leaves it, and edits the write will take.
    void prepare(const Bytes& original) {
        file_ = FaultyFile{original};
        std::FILE* stream = file_.open(false);
        ASSERT_NE(stream, nullptr);
        ASSERT_TRUE(read_fields(stream, &g_field_record));
        std::fclose(stream);
        set_texts("270", "45", "retry.bmp", "123.5", "2.25");
    }

    Bytes expected_after_write(const Bytes& original) const {
        Bytes expected = original;
        put_single(&expected, kSunPositionOffset, whole_degrees_to_radians(270));
        put_single(&expected, kSunElevationOffset, whole_degrees_to_radians(45));
        put_name(&expected, "retry.bmp");
        put_single(&expected, kStartPositionOffset, 123.5f);
        put_single(&expected, kSizingFactorOffset, 2.25f);
        return expected;
    }

    FaultyFile file_;
};

TEST_F(FaultInjectionTest, EachInjectedFaultLandsOnTheStepItNames) {
    const Bytes original = random_bytes(1500, 31);
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.step);
        prepare(original);
        file_.fail_seek_to = fault.fail_seek_to;
        file_.fail_write_at = fault.fail_write_at;
        std::FILE* stream = file_.open(fault.buffered);
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(first_failing_step(stream, g_field_record), fault.step);
        file_.fail_seek_to = file_.fail_write_at = -1;
        std::fclose(stream);
    }
}

TEST_F(FaultInjectionTest, EveryFailureIsReportedAndARetryWritesExactlyTheFields) {
    const Bytes original = random_bytes(1500, 32);
    const Bytes expected = expected_after_write(original);
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.step);
        prepare(original);
        file_.fail_seek_to = fault.fail_seek_to;
        file_.fail_write_at = fault.fail_write_at;
        g_open_file = file_.open(fault.buffered);
        ASSERT_NE(g_open_file, nullptr);
        std::FILE* const stream = g_open_file;

        write_to_file(host_);
        EXPECT_EQ(only_box(), "Error: File write error");
        EXPECT_EQ(g_open_file, stream) << "the file stays open for another try";
        ASSERT_EQ(file_.bytes.size(), original.size());
        for (long offset = 0; offset < static_cast<long>(original.size()); ++offset) {
            if (!inside_a_field(offset)) {
                ASSERT_EQ(file_.bytes[offset], original[offset]) << "offset " << offset;
            }
        }

        file_.fail_seek_to = file_.fail_write_at = -1;
        write_to_file(host_);
        EXPECT_EQ(only_box(), "Ok: Data is written");
        EXPECT_EQ(file_.bytes, expected);
        EXPECT_FALSE(file_.write_past_end);
        close_open_file();
    }
}

}  // namespace
