// Five arbitrary texts (the input split at NUL bytes, each up to 299 bytes) through field
// validation and "Write to file" on a loaded file. Only the five fields may change, and
// only when every text is accepted; a rejection changes neither the record nor the file.
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "fuzz_host.h"
#include "paramfile/conversions.h"
#include "paramfile/field_record.h"
#include "paramfile/parameter_state.h"
#include "paramfile/writer.h"

namespace {

std::string g_path;
Bytes g_original;

std::vector<std::string> texts_of(const unsigned char* data, std::size_t size) {
    std::vector<std::string> texts(5);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < texts.size(); ++i) {
        if (data[i] == 0) {
            ++field;
        } else if (texts[field].size() < kTextBufferSize - 1) {
            texts[field].push_back(static_cast<char>(data[i]));
        }
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    start_fuzz_host(argc, argv);
    g_path = fuzz_path("pano.wlp");
    // Random bytes, so that a byte written where it should not be shows.
    std::mt19937 random(958);
    g_original.resize(1200);
    for (unsigned char& byte : g_original) {
        byte = static_cast<unsigned char>(random());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // Every input starts from the same loaded file, so that a failure reproduces alone.
    write_bytes(g_path, g_original);
    drop_file(g_path);
    FUZZ_CHECK(g_open_file != nullptr && take_boxes().empty(), "");

    const std::vector<std::string> texts = texts_of(data, size);
    for (int i = 0; i < 5; ++i) {
        SetWindowTextA(g_edit_fields[i], texts[i].c_str());
    }
    const FieldRecord loaded = g_field_record;
    write_to_file(fuzz_host_window());
    const std::vector<std::string> boxes = take_boxes();
    FUZZ_CHECK(boxes.size() == 1, std::to_string(boxes.size()));
    const Bytes after = read_bytes(g_path);
    FUZZ_CHECK(after.size() == g_original.size(), std::to_string(after.size()));
    const long changed = change_outside_fields(g_original, after);
    FUZZ_CHECK(changed == -1, "offset " + std::to_string(changed));

    if (boxes.front() != "Ok: Data is written") {
        FUZZ_CHECK(boxes.front().rfind("Invalid value: ", 0) == 0, boxes.front());
        FUZZ_CHECK(after == g_original, "a rejected write leaves the file");
        FUZZ_CHECK(std::memcmp(&g_field_record, &loaded, sizeof loaded) == 0,
                   "a rejected write leaves the record");
        return 0;
    }

    const FieldRecord& record = g_field_record;
    for (const FieldLayout& layout : kFieldAccessOrder) {
        unsigned char expected[kPanoramaNameLength];
        fetch_field_bytes(record, layout, expected);
        FUZZ_CHECK(std::memcmp(after.data() + layout.offset, expected, layout.length) == 0,
                   "field at " + std::to_string(layout.offset));
    }
    // Accepted values are the ones the texts say, within their ranges.
    FUZZ_CHECK(texts[2] == record.panorama_name, record.panorama_name);
    const std::size_t name_end = texts[2].size() + 1;
    FUZZ_CHECK(name_end > kPanoramaNameLength ||
                   std::memcmp(after.data() + kPanoramaNameOffset + name_end,
                               g_original.data() + kPanoramaNameOffset + name_end,
                               kPanoramaNameLength - name_end) == 0,
               "a name changes only the bytes up to its NUL");
    const std::int32_t sun_position = radians_to_whole_degrees(record.sun_position);
    const std::int32_t sun_elevation = radians_to_whole_degrees(record.sun_elevation);
    FUZZ_CHECK(sun_position >= 0 && sun_position <= 360, std::to_string(sun_position));
    FUZZ_CHECK(sun_elevation >= 0 && sun_elevation <= 90, std::to_string(sun_elevation));
    FUZZ_CHECK(record.start_position >= 1.0f && record.start_position <= 360.0f, texts[3]);
    FUZZ_CHECK(std::isfinite(record.sizing_factor), texts[4]);
    return 0;
}
