// The process-wide state of the parameter file: the field record, the open file and the
// edit fields that show the record.
#pragma once

#include <cstdio>

#include "paramfile/field_record.h"
#include "platform/win32.h"

// Slots of the edit field array. The two spares are never read or written.
enum EditField {
    kSunPositionEdit = 0,
    kSunElevationEdit = 1,
    kPanoramaNameEdit = 2,
    kStartPositionEdit = 3,
    kSizingFactorEdit = 4,
    kSpareEdit1 = 5,
    kSpareEdit2 = 6,
    kEditFieldCount = 7,
};

// Zero at start; never cleared between files.
extern FieldRecord g_field_record;

// The parameter file being edited, opened "r+b", or null.
extern std::FILE* g_open_file;

// Filled when the main window builds its controls.
extern HWND g_edit_fields[kEditFieldCount];

// Closes the open file, if any. Called by the next drop and when the window goes.
void close_open_file();
