#pragma once

#include "platform/win32.h"

// The box for anything that goes wrong with the parameter file itself: opening, reading or
// writing it, or having none open. Owned by the main window and brought to the foreground.
void show_file_error(HWND window, const char* text);
