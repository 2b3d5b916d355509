#include "paramfile/field_record.h"

#include <cstring>

#include "paramfile/conversions.h"

namespace {

float* single_member(FieldRecord* record, Field field) {
    switch (field) {
        case Field::kSunPosition:
            return &record->sun_position;
        case Field::kSunElevation:
            return &record->sun_elevation;
        case Field::kStartPosition:
            return &record->start_position;
        case Field::kSizingFactor:
            return &record->sizing_factor;
        case Field::kPanoramaName:
            break;
    }
    return nullptr;
}

float single_value(const FieldRecord& record, Field field) {
    switch (field) {
        case Field::kSunPosition:
            return record.sun_position;
        case Field::kSunElevation:
            return record.sun_elevation;
        case Field::kStartPosition:
            return record.start_position;
        case Field::kSizingFactor:
            return record.sizing_factor;
        case Field::kPanoramaName:
            break;
    }
    return 0.0f;
}

}  // namespace

void store_field_bytes(FieldRecord* record, const FieldLayout& layout, const unsigned char* bytes) {
    if (layout.field == Field::kPanoramaName) {
        std::memcpy(record->panorama_name, bytes, kPanoramaNameLength);
    } else {
        *single_member(record, layout.field) = decode_single(bytes);
    }
}

void fetch_field_bytes(const FieldRecord& record, const FieldLayout& layout, unsigned char* bytes) {
    if (layout.field == Field::kPanoramaName) {
        std::memcpy(bytes, record.panorama_name, kPanoramaNameLength);
    } else {
        encode_single(single_value(record, layout.field), bytes);
    }
}
