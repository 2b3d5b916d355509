#pragma once

#include "platform/win32.h"

// "Write to file": without an open file says so; otherwise validates the edit fields and,
// when all are accepted, overwrites the five fields of the open file in place and reports
// "Data is written" only once the bytes are in the file. The file stays open.
void write_to_file(HWND window);
