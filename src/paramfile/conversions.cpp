#include "paramfile/conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

float decode_single(const unsigned char bytes[4]) {
    const std::uint32_t bits =
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void encode_single(float value, unsigned char bytes[4]) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

std::int32_t radians_to_whole_degrees(float radians) {
    // Product first, then the division, both in extended precision.
    const long double degrees = static_cast<long double>(radians) * 180.0L / kPi;
    constexpr long double kBelowRange = -2147483649.0L;  // truncates to INT32_MIN - 1
    constexpr long double kAboveRange = 2147483648.0L;   // truncates to INT32_MAX + 1
    if (std::isnan(degrees) || degrees <= kBelowRange || degrees >= kAboveRange) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(degrees);
}

float whole_degrees_to_radians(long degrees) {
    // Product first, then the division; the one rounding is to single.
    const long double radians = static_cast<long double>(degrees) * kPi / 180.0L;
    return static_cast<float>(radians);
}

float double_to_single(double value) {
    // Beyond FLT_MAX plus half its last place the nearest single is infinite; below that
    // and above FLT_MAX it is FLT_MAX itself.
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    const double kOverflowBound = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (std::isnan(value)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (std::fabs(value) >= kOverflowBound) {
        const float infinity = std::numeric_limits<float>::infinity();
        return value > 0 ? infinity : -infinity;
    }
    if (std::fabs(value) > kFloatMax) {
        const float largest = std::numeric_limits<float>::max();
        return value > 0 ? largest : -largest;
    }
    return static_cast<float>(value);
}

void format_whole_degrees(float radians, char text[kTextBufferSize]) {
    std::snprintf(text, kTextBufferSize, "%d", static_cast<int>(radians_to_whole_degrees(radians)));
}

void format_three_decimals(float value, char text[kTextBufferSize]) {
    std::snprintf(text, kTextBufferSize, "%.3f", static_cast<double>(value));
}

bool parse_whole_degrees(const char* text, long minimum, long maximum, long* degrees) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 0);
    if (end == text || value < minimum || value > maximum) {
        return false;
    }
    *degrees = value;
    return true;
}

bool parse_decimal(const char* text, double* value) {
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text) {
        return false;
    }
    *value = parsed;
    return true;
}
