#include "paramfile/field_io.h"

bool read_fields(std::FILE* stream, FieldRecord* record) {
    FieldRecord read = *record;
    unsigned char bytes[kPanoramaNameLength];
    for (const FieldLayout& layout : kFieldAccessOrder) {
        if (std::fseek(stream, layout.offset, SEEK_SET) != 0 ||
            std::fread(bytes, layout.length, 1, stream) != 1) {
            return false;
        }
        store_field_bytes(&read, layout, bytes);
    }
    *record = read;
    return true;
}

bool file_holds_all_fields(std::FILE* stream) {
    // Reading the last byte works for devices too, where the end of the file means nothing.
    unsigned char last_byte;
    return std::fseek(stream, kMinimumFileSize - 1, SEEK_SET) == 0 &&
           std::fread(&last_byte, 1, 1, stream) == 1;
}

bool write_fields(std::FILE* stream, const FieldRecord& record) {
    std::clearerr(stream);
    unsigned char bytes[kPanoramaNameLength];
    for (const FieldLayout& layout : kFieldAccessOrder) {
        fetch_field_bytes(record, layout, bytes);
        if (std::fseek(stream, layout.offset, SEEK_SET) != 0 ||
            std::fwrite(bytes, layout.length, 1, stream) != 1 || std::ferror(stream) != 0) {
            // An unbuffered glibc stream counts a failed write as done; only ferror tells.
            return false;
        }
    }
    return std::fflush(stream) == 0;
}
