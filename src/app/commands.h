#pragma once

#include "platform/win32.h"

// WM_COMMAND: only clicks count; "Write to file" writes, "Help" shows the help box.
void handle_command(HWND window, WPARAM wparam);

// WM_DROPFILES: the drop goes to the loader, which releases it.
void handle_drop(HWND window, WPARAM wparam);
