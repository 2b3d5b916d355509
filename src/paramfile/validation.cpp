#include "paramfile/validation.h"

#include <cmath>
#include <cstring>

#include "paramfile/conversions.h"
#include "paramfile/parameter_state.h"

namespace {

int reject(HWND owner, const char* field_name) {
    MessageBoxA(owner, field_name, "Invalid value", MB_ICONEXCLAMATION);
    return 0;
}

}  // namespace

int validate_fields(const HWND edit_fields[], HWND owner) {
    // Accepted values collect here and reach the record only when every field is good.
    FieldRecord accepted = g_field_record;
    char text[kTextBufferSize] = {};
    long degrees = 0;
    double value = 0.0;

    GetWindowTextA(edit_fields[kSunPositionEdit], text, kTextBufferSize);
    if (!parse_whole_degrees(text, 0, 360, &degrees)) {
        return reject(owner, "Sun position");
    }
    accepted.sun_position = whole_degrees_to_radians(degrees);

    GetWindowTextA(edit_fields[kSunElevationEdit], text, kTextBufferSize);
    if (!parse_whole_degrees(text, 0, 90, &degrees)) {
        return reject(owner, "Sun elevation");
    }
    accepted.sun_elevation = whole_degrees_to_radians(degrees);

    // The file holds at most 255 bytes of name; an empty name would name no picture.
    GetWindowTextA(edit_fields[kPanoramaNameEdit], text, kTextBufferSize);
    const std::size_t name_length = std::strlen(text);
    if (name_length == 0 || name_length > kPanoramaNameLength) {
        return reject(owner, "Panorama file");
    }
    std::memcpy(accepted.panorama_name, text, name_length + 1);  // the name and its NUL only

    GetWindowTextA(edit_fields[kStartPositionEdit], text, kTextBufferSize);
    if (!parse_decimal(text, &value) || std::isnan(value) || value < 1.0 || value > 360.0) {
        return reject(owner, "Starting position");
    }
    accepted.start_position = double_to_single(value);

    GetWindowTextA(edit_fields[kSizingFactorEdit], text, kTextBufferSize);
    if (!parse_decimal(text, &value) || !std::isfinite(value) ||
        std::isinf(double_to_single(value))) {
        return reject(owner, "Sizing factor");
    }
    accepted.sizing_factor = double_to_single(value);

    g_field_record = accepted;
    return 1;
}
