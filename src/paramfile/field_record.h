// The five edited fields in file units, and the conversion of the record to and from the
// bytes of the file's fields.
#pragma once

#include "paramfile/field_layout.h"

struct FieldRecord {
    float sun_position;   // radians
    float sun_elevation;  // radians
    // The file holds 255 bytes; the last byte here takes the NUL of a 255-character name.
    char panorama_name[kPanoramaNameLength + 1];
    float start_position;  // degrees
    float sizing_factor;
};

// Copies one field's bytes from the file into the record.
void store_field_bytes(FieldRecord* record, const FieldLayout& layout, const unsigned char* bytes);

// Copies one field of the record into its file bytes (layout.length of them).
void fetch_field_bytes(const FieldRecord& record, const FieldLayout& layout, unsigned char* bytes);
