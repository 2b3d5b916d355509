// Arbitrary file contents, up to 64 KiB, through the real loader and then a write of the
// shown values. The file keeps its length and every byte outside the five fields; a file too
// short is never written; a rejected write changes neither the record nor the file.
#include <cstring>
#include <string>

#include "fuzz_host.h"
#include "paramfile/field_record.h"
#include "paramfile/parameter_state.h"
#include "paramfile/writer.h"

namespace {

std::string g_path;

bool same_record(const FieldRecord& a, const FieldRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    start_fuzz_host(argc, argv);
    g_path = fuzz_path("pano.wlp");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size > 64 * 1024) {
        return -1;
    }
    const Bytes original(data, data + size);
    write_bytes(g_path, original);
    const bool holds_fields = size >= static_cast<std::size_t>(kMinimumFileSize);

    const FieldRecord record_before_drop = g_field_record;
    const std::vector<std::string> texts_before_drop = edit_texts();
    drop_file(g_path);
    const std::vector<std::string> load_boxes = take_boxes();
    if (holds_fields) {
        FUZZ_CHECK(load_boxes.empty(), load_boxes.front());
        FUZZ_CHECK(g_open_file != nullptr, "");
        FieldRecord expected = record_before_drop;
        for (const FieldLayout& layout : kFieldAccessOrder) {
            store_field_bytes(&expected, layout, data + layout.offset);
        }
        FUZZ_CHECK(same_record(g_field_record, expected), "the record holds the file's fields");
    } else {
        FUZZ_CHECK(load_boxes == std::vector<std::string>{"Error: File too short for a wlp file"},
                   "");
        FUZZ_CHECK(g_open_file == nullptr, "");
        FUZZ_CHECK(same_record(g_field_record, record_before_drop), "");
        FUZZ_CHECK(edit_texts() == texts_before_drop, "");
    }

    const FieldRecord loaded = g_field_record;
    write_to_file(fuzz_host_window());
    const std::vector<std::string> write_boxes = take_boxes();
    FUZZ_CHECK(write_boxes.size() == 1, std::to_string(write_boxes.size()));
    const std::string& box = write_boxes.front();
    const Bytes after = read_bytes(g_path);
    FUZZ_CHECK(after.size() == size, std::to_string(after.size()));
    const long changed = change_outside_fields(original, after);
    FUZZ_CHECK(changed == -1, "offset " + std::to_string(changed));

    if (!holds_fields) {
        FUZZ_CHECK(box == "Error: No wlp file open", box);
        FUZZ_CHECK(after == original, "a short file is never written");
    } else if (box == "Ok: Data is written") {
        for (const FieldLayout& layout : kFieldAccessOrder) {
            unsigned char expected[kPanoramaNameLength];
            fetch_field_bytes(g_field_record, layout, expected);
            FUZZ_CHECK(std::memcmp(after.data() + layout.offset, expected, layout.length) == 0,
                       "field at " + std::to_string(layout.offset));
        }
        // The name went out to its edit field and came back unchanged.
        FUZZ_CHECK(std::memcmp(after.data() + kPanoramaNameOffset, data + kPanoramaNameOffset,
                               kPanoramaNameLength) == 0,
                   "");
    } else {
        FUZZ_CHECK(starts_with(box, "Invalid value: "), box);
        FUZZ_CHECK(after == original, "a rejected write leaves the file");
        FUZZ_CHECK(same_record(g_field_record, loaded), "a rejected write leaves the record");
    }
    return 0;
}
