// Widgets of windows of registered classes: the client area, and the frame of a top-level one.
#pragma once

#include <QWidget>

#include "platform/win32.h"

// Builds the widgets of a window of a registered class; false if the parent has no client.
bool build_class_window(HWND window, const WNDCLASSEXA& window_class, int x, int y, int width,
                        int height);

// The client size of a top-level window of this outer size and styles, as a classic Windows
// frame would leave it.
QSize client_size_for(DWORD style, DWORD ex_style, QSize outer);
