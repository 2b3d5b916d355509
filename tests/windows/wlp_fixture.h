// Parameter files made by the driver: known bytes everywhere, the five fields where they belong.
#pragma once

#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

constexpr long kSunPositionOffset = 950;
constexpr long kSunElevationOffset = 954;
constexpr long kPanoramaNameOffset = 359;
constexpr long kPanoramaNameLength = 255;
constexpr long kStartPositionOffset = 830;
constexpr long kSizingFactorOffset = 842;
constexpr long kShortestWlpSize = 958;

struct WlpFields {
    float sun_position;   // radians
    float sun_elevation;  // radians
    std::string panorama_name;
    float start_position;  // degrees
    float sizing_factor;
};

// A file of `size` bytes of a fixed non-zero pattern with the fields laid in. Fields that
// would not fit are left out, so short files can be made too.
Bytes make_wlp(const WlpFields& fields, long size);

// Little-endian single at `offset`.
void put_single(Bytes* bytes, long offset, float value);
void put_single_bits(Bytes* bytes, long offset, unsigned bits);

// The name and its NUL at the name offset; the rest of the field is left as it was.
void put_name(Bytes* bytes, const std::string& name);

bool write_file(const std::string& path, const Bytes& bytes);
bool read_file(const std::string& path, Bytes* bytes);

// First differing offset, or -1 when equal (a size difference counts at the shorter end).
long first_difference(const Bytes& a, const Bytes& b);
