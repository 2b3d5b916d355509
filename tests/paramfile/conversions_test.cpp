#include "paramfile/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::uint32_t bits_of(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float float_of_bits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string whole_degrees_text(float radians) {
    char text[kTextBufferSize];
    format_whole_degrees(radians, text);
    return text;
}

std::string three_decimals_text(float value) {
    char text[kTextBufferSize];
    format_three_decimals(value, text);
    return text;
}

// What a whole degree value shows after it is written and the file is dropped again.
long round_trip(long degrees) {
    return radians_to_whole_degrees(whole_degrees_to_radians(degrees));
}

TEST(SunAngleRoundTrip, EveryWholeDegreeComesBackUnchangedOrOneLower) {
    int lower_of_361 = 0;
    int lower_of_91 = 0;
    for (long degrees = 0; degrees <= 360; ++degrees) {
        const long shown = round_trip(degrees);
        ASSERT_TRUE(shown == degrees || shown == degrees - 1) << degrees << " shows " << shown;
        if (shown != degrees) {
            ++lower_of_361;
            lower_of_91 += degrees <= 90;
        }
    }
    EXPECT_EQ(lower_of_361, 172);
    EXPECT_EQ(lower_of_91, 41);
}

TEST(SunAngleRoundTrip, KnownValues) {
    const struct {
        long written;
        long shown;
    } cases[] = {{0, 0},   {1, 0},     {2, 1},     {3, 3},     {10, 9},   {45, 45},
                 {90, 90}, {180, 180}, {270, 270}, {359, 358}, {360, 360}};
    for (const auto& c : cases) {
        EXPECT_EQ(round_trip(c.written), c.shown) << c.written;
    }
}

TEST(SunAngleRoundTrip, DoubleIntermediatesAgreeWithExtended) {
    constexpr double kPi = 3.141592653589793;
    for (long degrees = 0; degrees <= 360; ++degrees) {
        const float in_double = static_cast<float>(degrees * kPi / 180.0);
        EXPECT_EQ(bits_of(whole_degrees_to_radians(degrees)), bits_of(in_double)) << degrees;
    }
}

TEST(WholeDegreesToRadians, StoredBitPatterns) {
    const struct {
        long degrees;
        std::uint32_t bits;
    } cases[] = {{1, 0x3C8EFA35},   {45, 0x3F490FDB},  {90, 0x3FC90FDB},
                 {180, 0x40490FDB}, {270, 0x4096CBE4}, {360, 0x40C90FDB}};
    for (const auto& c : cases) {
        EXPECT_EQ(bits_of(whole_degrees_to_radians(c.degrees)), c.bits) << c.degrees;
    }
}

TEST(RadiansToWholeDegrees, TruncatesTowardZeroAndMapsTheUnrepresentable) {
    const std::int32_t kInvalid = std::numeric_limits<std::int32_t>::min();
    const struct {
        float radians;
        std::int32_t degrees;
    } cases[] = {
        {1.5707964f, 90},
        {0.017453292f, 0},
        {-0.5f, -28},
        {2.0f, 114},
        {0.0f, 0},
        {-0.0f, 0},
        {6.2831855f, 360},
        {std::numeric_limits<float>::quiet_NaN(), kInvalid},
        {-std::numeric_limits<float>::quiet_NaN(), kInvalid},
        {4e7f, kInvalid},
        {-4e7f, kInvalid},
        {std::numeric_limits<float>::infinity(), kInvalid},
        {-std::numeric_limits<float>::infinity(), kInvalid},
        {std::numeric_limits<float>::max(), kInvalid},
        // The edges of the 32-bit range in degrees.
        {37480660.0f, 2147483631},
        {-37480660.0f, -2147483631},
        {37480664.0f, kInvalid},
        {-37480664.0f, kInvalid},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(radians_to_whole_degrees(c.radians), c.degrees) << c.radians;
    }
}

TEST(RadiansToWholeDegrees, MatchesExtendedArithmeticOnRandomFloats) {
    std::mt19937 random(20261211);
    std::uniform_real_distribution<float> radians(-30000000.0f, 30000000.0f);
    for (int i = 0; i < 100000; ++i) {
        const float value = radians(random);
        const long double expected = static_cast<long double>(value) * 180.0L / 3.141592653589793;
        ASSERT_EQ(radians_to_whole_degrees(value), static_cast<std::int32_t>(std::trunc(expected)))
            << value;
    }
}

TEST(DisplayTexts, DegreesAndThreeDecimals) {
    EXPECT_EQ(whole_degrees_text(1.5707964f), "90");
    EXPECT_EQ(whole_degrees_text(-0.5f), "-28");
    EXPECT_EQ(whole_degrees_text(std::numeric_limits<float>::quiet_NaN()), "-2147483648");
    EXPECT_EQ(three_decimals_text(180.0f), "180.000");
    EXPECT_EQ(three_decimals_text(0.25f), "0.250");
    EXPECT_EQ(three_decimals_text(0.12345f), "0.123");
    EXPECT_EQ(three_decimals_text(-1.0f), "-1.000");
    EXPECT_EQ(three_decimals_text(std::numeric_limits<float>::infinity()), "inf");
    // The widest single still fits the text buffer.
    EXPECT_EQ(three_decimals_text(-std::numeric_limits<float>::max()).size(), 44u);
}

TEST(SingleBytes, LittleEndianKnownEncodings) {
    const struct {
        float value;
        unsigned char bytes[4];
    } cases[] = {
        {1.5707964f, {0xDB, 0x0F, 0xC9, 0x3F}},
        {1.0f, {0x00, 0x00, 0x80, 0x3F}},
        {-2.0f, {0x00, 0x00, 0x00, 0xC0}},
        {std::numeric_limits<float>::infinity(), {0x00, 0x00, 0x80, 0x7F}},
    };
    for (const auto& c : cases) {
        unsigned char encoded[4];
        encode_single(c.value, encoded);
        EXPECT_EQ(0, std::memcmp(encoded, c.bytes, 4)) << c.value;
        EXPECT_EQ(bits_of(decode_single(c.bytes)), bits_of(c.value)) << c.value;
    }
}

TEST(SingleBytes, EveryBitPatternRoundTrips) {
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t bits = random();
        unsigned char bytes[4];
        encode_single(float_of_bits(bits), bytes);
        ASSERT_EQ(
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24,
            bits);
        ASSERT_EQ(bits_of(decode_single(bytes)), bits);
    }
}

TEST(DoubleToSingle, RoundsToNearestAndOverflowsToInfinity) {
    const float kMax = std::numeric_limits<float>::max();
    const float kInf = std::numeric_limits<float>::infinity();
    const double kHalfUlpAboveMax = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    const struct {
        double value;
        float expected;
    } cases[] = {
        {0.0, 0.0f},
        {1e-46, 0.0f},
        {-1e-46, -0.0f},
        {0.1, 0.1f},
        {180.0, 180.0f},
        {static_cast<double>(kMax), kMax},
        {std::nextafter(kHalfUlpAboveMax, 0.0), kMax},
        {kHalfUlpAboveMax, kInf},
        {-kHalfUlpAboveMax, -kInf},
        {1e39, kInf},
        {-1e39, -kInf},
        {std::numeric_limits<double>::infinity(), kInf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bits_of(double_to_single(c.value)), bits_of(c.expected)) << c.value;
    }
    EXPECT_TRUE(std::isnan(double_to_single(std::numeric_limits<double>::quiet_NaN())));

    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> in_range(-3e38, 3e38);
    for (int i = 0; i < 100000; ++i) {
        const double value = in_range(random);
        ASSERT_EQ(bits_of(double_to_single(value)), bits_of(static_cast<float>(value))) << value;
    }
}

TEST(ParseWholeDegrees, IntegerLiteralRulesAndInclusiveBounds) {
    const struct {
        const char* text;
        long maximum;
        bool accepted;
        long degrees;
    } cases[] = {
        // Refused.
        {"", 360, false, 0},
        {"   ", 360, false, 0},
        {"abc", 360, false, 0},
        {"-5", 360, false, 0},
        {"-1", 360, false, 0},
        {"361", 360, false, 0},
        {"91", 90, false, 0},
        {"99999999999999999999", 360, false, 0},
        {"-99999999999999999999", 360, false, 0},
        {"0x", 360, true, 0},  // the 0 parses, the x is trailing text
        // Accepted.
        {"0", 360, true, 0},
        {"360", 360, true, 360},
        {"90", 90, true, 90},
        {"010", 360, true, 8},
        {"08", 360, true, 0},
        {" 45", 360, true, 45},
        {"45abc", 360, true, 45},
        {"0x1f", 360, true, 31},
        {"0X1F", 360, true, 31},
        {"+7", 360, true, 7},
        {"-0", 360, true, 0},
        {"\t12 ", 360, true, 12},
    };
    for (const auto& c : cases) {
        long degrees = -999;
        EXPECT_EQ(parse_whole_degrees(c.text, 0, c.maximum, &degrees), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(degrees, c.degrees) << c.text;
        }
    }
}

TEST(ParseDecimal, StopsAtTrailingTextAndRefusesNonNumbers) {
    const struct {
        const char* text;
        bool parsed;
        double value;
    } cases[] = {
        {"", false, 0},     {"abc", false, 0},      {" ", false, 0},          {".", false, 0},
        {"1e2", true, 100}, {"0.999", true, 0.999}, {" 12.5xyz", true, 12.5}, {"-3", true, -3},
        {"1e", true, 1},    {"0x10", true, 16},
    };
    for (const auto& c : cases) {
        double value = -999;
        EXPECT_EQ(parse_decimal(c.text, &value), c.parsed) << c.text;
        if (c.parsed) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    double value = 0;
    ASSERT_TRUE(parse_decimal("1e400", &value));
    EXPECT_TRUE(std::isinf(value));
}

}  // namespace
