#pragma once

#include "platform/win32.h"

// The text of the "Help" box: every line ends with CR LF.
extern const char kHelpText[];

// Shows the help box, owned by the main window.
void show_help(HWND window);
