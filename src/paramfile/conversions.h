// Conversions between the file's units and the texts shown in the edit fields. No window
// system and no process state: every function here is pure.
#pragma once

#include <cstddef>
#include <cstdint>

// Display and edit texts are formatted into, and read from, buffers of this size.
constexpr int kTextBufferSize = 300;

// Little-endian IEEE-754 single from/to four bytes.
float decode_single(const unsigned char bytes[4]);
void encode_single(float value, unsigned char bytes[4]);

// Radians as shown: value * 180 / pi in extended precision, truncated toward zero.
// NaN and values outside the 32-bit range give INT32_MIN.
std::int32_t radians_to_whole_degrees(float radians);

// Whole degrees as stored: degrees * pi / 180 in extended precision, rounded once to single.
float whole_degrees_to_radians(long degrees);

// Rounds a double to the nearest single; overflow gives an infinity rather than undefined
// behaviour.
float double_to_single(double value);

// "%d" of the shown degrees, and "%.3f" of a single widened to double, into a text buffer.
void format_whole_degrees(float radians, char text[kTextBufferSize]);
void format_three_decimals(float value, char text[kTextBufferSize]);

// Parses a whole number the way the sun fields take it (strtol, base 0: leading blanks, sign,
// 0x hex, 0 octal, trailing text ignored). False when nothing was parsed or the value lies
// outside [minimum, maximum].
bool parse_whole_degrees(const char* text, long minimum, long maximum, long* degrees);

// Parses a decimal number (strtod, trailing text ignored). False when nothing was parsed.
bool parse_decimal(const char* text, double* value);
