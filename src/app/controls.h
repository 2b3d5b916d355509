#pragma once

#include "platform/win32.h"

// The buttons, kept as the window builds them.
extern HWND g_write_button;
extern HWND g_unused_button;
extern HWND g_help_button;

// Creates the main window's nineteen controls in their fixed order and positions, and fills
// the edit field array. Tests no result: a control that fails is simply absent.
void create_controls(HWND window, HINSTANCE instance);
