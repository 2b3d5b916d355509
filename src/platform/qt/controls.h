// The built-in control classes "STATIC", "button" and "edit".
#pragma once

#include <optional>

#include "platform/qt/window_records.h"

// The kind of control a built-in class name and style make; none for other names.
std::optional<WindowKind> control_kind(const char* class_name, DWORD style);

// Builds the control's widget in its parent's client area; false if the parent has none.
bool build_control(HWND window, int x, int y, int width, int height);
