// Where the five edited fields sit in a parameter file, and in which order they are accessed.
#pragma once

#include <cstddef>

enum class Field { kSunPosition, kSunElevation, kPanoramaName, kStartPosition, kSizingFactor };

struct FieldLayout {
    Field field;
    long offset;         // bytes from the start of the file
    std::size_t length;  // bytes
};

constexpr long kSunPositionOffset = 950;
constexpr long kSunElevationOffset = 954;
constexpr long kPanoramaNameOffset = 359;
constexpr long kStartPositionOffset = 830;
constexpr long kSizingFactorOffset = 842;

constexpr std::size_t kSingleFloatLength = 4;
constexpr std::size_t kPanoramaNameLength = 255;

// Reads and writes always visit the fields in this order.
constexpr FieldLayout kFieldAccessOrder[] = {
    {Field::kSunPosition, kSunPositionOffset, kSingleFloatLength},
    {Field::kSunElevation, kSunElevationOffset, kSingleFloatLength},
    {Field::kPanoramaName, kPanoramaNameOffset, kPanoramaNameLength},
    {Field::kStartPosition, kStartPositionOffset, kSingleFloatLength},
    {Field::kSizingFactor, kSizingFactorOffset, kSingleFloatLength},
};

// A file must reach past the last byte of the sun elevation to hold every field.
constexpr long kMinimumFileSize = kSunElevationOffset + static_cast<long>(kSingleFloatLength);
