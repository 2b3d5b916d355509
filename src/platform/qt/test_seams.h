// Hooks into the Qt implementation of the window system, for tests only.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

class QWidget;

namespace win32_test {

// What a MessageBoxA call was given.
struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

// While an observer is set, MessageBoxA shows no window: it calls the observer and returns
// its answer. An empty function restores real message boxes.
using MessageBoxObserver = std::function<int(const MessageBoxCall&)>;
void set_message_box_observer(MessageBoxObserver observer);

// A drop handle holding these native paths, as a file drop on a window would make it.
// DragFinish releases it.
HDROP make_drop_handle(const std::vector<std::string>& paths);

// The widget behind a window handle, to drive it with real input events; null if none.
QWidget* widget_of(HWND window);

// The window handle behind a widget; null if the widget is not one of ours.
HWND window_of(const QWidget* widget);

}  // namespace win32_test
