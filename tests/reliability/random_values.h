// Random edit texts that validation accepts, with the field bytes each must be written as.
#pragma once

#include <cstdio>
#include <random>
#include <string>

#include "paramfile_fixture.h"

struct AcceptedValues {
    std::string sun_position, sun_elevation, name, start_position, sizing_factor;
    float sun_position_radians, sun_elevation_radians, start_position_value, sizing_factor_value;
};

// Whole degrees in every form strtol with base 0 takes: decimal, hex, octal, blanks, a sign
// and trailing text.
inline std::string random_degrees_text(long degrees, std::mt19937_64& random) {
    char text[64];
    switch (random() % 5) {
        case 0:
            std::snprintf(text, sizeof text, "%ld", degrees);
            break;
        case 1:
            std::snprintf(text, sizeof text, "0x%lX", degrees);
            break;
        case 2:
            std::snprintf(text, sizeof text, "0%lo", degrees);
            break;
        case 3:
            std::snprintf(text, sizeof text, "  +%ld", degrees);
            break;
        default:
            std::snprintf(text, sizeof text, "%ld deg", degrees);
            break;
    }
    return text;
}

// "%.9g" gives back the same single through strtod and the rounding to single.
inline std::string exact_text(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

inline float random_finite_single(std::mt19937_64& random) {
    for (;;) {
        unsigned char bytes[4];
        const auto bits = static_cast<std::uint32_t>(random());
        for (int i = 0; i < 4; ++i) {
            bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
        }
        const float value = decode_single(bytes);
        if (std::isfinite(value)) {
            return value;
        }
    }
}

inline AcceptedValues random_accepted_values(std::mt19937_64& random) {
    AcceptedValues values;
    const long sun_position = static_cast<long>(random() % 361);
    const long sun_elevation = static_cast<long>(random() % 91);
    values.sun_position = random_degrees_text(sun_position, random);
    values.sun_elevation = random_degrees_text(sun_elevation, random);
    values.sun_position_radians = whole_degrees_to_radians(sun_position);
    values.sun_elevation_radians = whole_degrees_to_radians(sun_elevation);

    // Any bytes but NUL, 1 to 255 of them.
    values.name.resize(1 + random() % kPanoramaNameLength);
    for (char& byte : values.name) {
        byte = static_cast<char>(1 + random() % 255);
    }

    std::uniform_real_distribution<float> start_positions(1.0f, 360.0f);
    values.start_position_value = start_positions(random);
    values.start_position = exact_text(values.start_position_value);
    values.sizing_factor_value = random_finite_single(random);
    values.sizing_factor = exact_text(values.sizing_factor_value);
    return values;
}

// The file after a write of `values` over `file`: the name replaces only the bytes up to its
// NUL.
inline void apply_values(const AcceptedValues& values, Bytes* file) {
    put_single(file, kSunPositionOffset, values.sun_position_radians);
    put_single(file, kSunElevationOffset, values.sun_elevation_radians);
    std::memcpy(file->data() + kPanoramaNameOffset, values.name.c_str(),
                std::min(values.name.size() + 1, kPanoramaNameLength));
    put_single(file, kStartPositionOffset, values.start_position_value);
    put_single(file, kSizingFactorOffset, values.sizing_factor_value);
}

inline Bytes random_file(std::size_t size, std::mt19937_64& random) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; i += 8) {
        const std::uint64_t word = random();
        std::memcpy(bytes.data() + i, &word, std::min<std::size_t>(8, size - i));
    }
    return bytes;
}

// The whole file, read in one go: the fixture's byte-wise read dominates a bulk run.
inline Bytes read_whole_file(const std::string& path) {
    Bytes bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        unsigned char chunk[65536];
        std::size_t count;
        while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
            bytes.insert(bytes.end(), chunk, chunk + count);
        }
        std::fclose(file);
    }
    return bytes;
}

// The first offset where the two differ, or -1 when they are equal.
inline long first_difference(const Bytes& a, const Bytes& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) {
            return static_cast<long>(i);
        }
    }
    return a.size() == b.size() ? -1 : static_cast<long>(common);
}
