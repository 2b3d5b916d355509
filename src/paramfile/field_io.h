// Reading and writing the five fields of an open parameter file, in the access order.
#pragma once

#include <cstdio>

#include "paramfile/field_record.h"

// Reads every field into *record. Returns false, leaving *record untouched, when a seek
// fails or any field is read short (the file is too short to hold it).
bool read_fields(std::FILE* stream, FieldRecord* record);

// True when the file still reaches past the last byte of every field, so that writing the
// fields cannot extend it.
bool file_holds_all_fields(std::FILE* stream);

// Writes every field and flushes the stream. Returns false as soon as a seek, a write or the
// flush fails; true means the bytes are in the file.
bool write_fields(std::FILE* stream, const FieldRecord& record);
