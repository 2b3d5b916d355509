#pragma once

#include "platform/win32.h"

// Reads edit fields 0 to 4 in order and checks each. On the first bad field shows an
// "Invalid value" box naming it and returns 0, leaving the field record as it was. When all
// five are accepted, stores them into the field record and returns 1.
int validate_fields(const HWND edit_fields[], HWND owner);
