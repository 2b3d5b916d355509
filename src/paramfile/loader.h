#pragma once

#include "platform/win32.h"

// Loads the first file of a drop: closes the open file, opens the dropped one for update,
// reads its fields into the record and shows them in edit fields 0 to 4. Releases the drop.
// A file that cannot be opened, or that is too short to hold the fields, is reported and
// leaves no file open, with the record and the edit fields as they were.
void load_dropped_file(HWND window, HDROP drop);
