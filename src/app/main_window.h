#pragma once

#include "platform/win32.h"

// Saved at entry; the instance of the class, the window and every control.
extern HINSTANCE g_instance;

// Registers the "Vistaro" window class; false when registration fails.
bool register_main_window_class(HINSTANCE instance);

// Creates the main window, which builds its controls before this returns; null on failure.
HWND create_main_window(HINSTANCE instance);

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
