#include "wlp_fixture.h"

#include <cstdio>
#include <cstring>

Bytes make_wlp(const WlpFields& fields, long size) {
    Bytes bytes(size);
    for (long i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 37 + 11) | 1;  // never a NUL
    }
    const auto fits = [size](long offset, long length) { return offset + length <= size; };
    if (fits(kSunPositionOffset, 4)) {
        put_single(&bytes, kSunPositionOffset, fields.sun_position);
    }
    if (fits(kSunElevationOffset, 4)) {
        put_single(&bytes, kSunElevationOffset, fields.sun_elevation);
    }
    if (fits(kPanoramaNameOffset, kPanoramaNameLength)) {
        put_name(&bytes, fields.panorama_name);
    }
    if (fits(kStartPositionOffset, 4)) {
        put_single(&bytes, kStartPositionOffset, fields.start_position);
    }
    if (fits(kSizingFactorOffset, 4)) {
        put_single(&bytes, kSizingFactorOffset, fields.sizing_factor);
    }
    return bytes;
}

void put_single(Bytes* bytes, long offset, float value) {
    unsigned bits;
    std::memcpy(&bits, &value, sizeof bits);
    put_single_bits(bytes, offset, bits);
}

void put_single_bits(Bytes* bytes, long offset, unsigned bits) {
    for (int i = 0; i < 4; ++i) {
        (*bytes)[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

void put_name(Bytes* bytes, const std::string& name) {
    std::memcpy(bytes->data() + kPanoramaNameOffset, name.c_str(), name.size() + 1);
}

bool write_file(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool read_file(const std::string& path, Bytes* bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    bytes->clear();
    unsigned char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes->insert(bytes->end(), chunk, chunk + got);
    }
    std::fclose(file);
    return true;
}

long first_difference(const Bytes& a, const Bytes& b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) {
            return static_cast<long>(i);
        }
    }
    return a.size() == b.size() ? -1 : static_cast<long>(common);
}
