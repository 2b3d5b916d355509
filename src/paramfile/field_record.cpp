#include "paramfile/field_record.h"

#include <cstring>

#include "paramfile/conversions.h"

namespace {

// The record member that holds a single-float field; the name field has none.
float FieldRecord::*single_member(Field field) {
    switch (field) {
        case Field::kSunPosition:
            return &FieldRecord::sun_position;
        case Field::kSunElevation:
            return &FieldRecord::sun_elevation;
        case Field::kStartPosition:
            return &FieldRecord::start_position;
        case Field::kSizingFactor:
            return &FieldRecord::sizing_factor;
        case Field::kPanoramaName:
            break;
    }
    return nullptr;
}

}  // namespace

void store_field_bytes(FieldRecord* record, const FieldLayout& layout, const unsigned char* bytes) {
    if (layout.field == Field::kPanoramaName) {
        std::memcpy(record->panorama_name, bytes, kPanoramaNameLength);
    } else {
        record->*single_member(layout.field) = decode_single(bytes);
    }
}

void fetch_field_bytes(const FieldRecord& record, const FieldLayout& layout, unsigned char* bytes) {
    if (layout.field == Field::kPanoramaName) {
        std::memcpy(bytes, record.panorama_name, kPanoramaNameLength);
    } else {
        encode_single(record.*single_member(layout.field), bytes);
    }
}
