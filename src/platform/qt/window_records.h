// The layer's own records behind window handles, and the class table.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/win32.h"

enum class WindowKind { registered, static_control, button, group_box, edit };

struct HWND__ {
    WindowKind kind = WindowKind::registered;
    WNDPROC procedure = nullptr;  // null for the built-in control classes
    HWND parent = nullptr;
    int id = 0;
    DWORD style = 0;
    DWORD ex_style = 0;
    std::string text;          // every kind but edits, whose text lives in the line edit
    QPointer<QWidget> widget;  // outermost widget: the frame of a top-level window
    QPointer<QWidget> client;  // where children live and painting happens
    std::vector<HWND> children;
    bool destroying = false;
    bool painting = false;
    QRect paint_rect;
};

// A registered class, as given to RegisterClassExA.
struct WindowClass {
    std::string name;
    WNDCLASSEXA description;
};

// A new record, not yet live. Records are never freed, so a stale handle stays readable and
// never aliases a newer window.
HWND new_window_record();
void set_window_live(HWND window, bool live);
// The record if the handle names a live window, else null.
HWND__* live_window(HWND window);
std::vector<HWND> live_windows();

// Null for a name that is not registered (compared case-insensitively).
const WindowClass* find_window_class(const char* name);
bool add_window_class(const WNDCLASSEXA& description);

// Window text as bytes, whatever the kind of window.
std::string window_text(const HWND__& window);
void apply_window_text(HWND__& window, const std::string& text);

// Copies at most size - 1 bytes and a NUL; returns the number copied (0 if size <= 0).
int copy_text_out(const std::string& text, char* buffer, long long size);

QString latin1(const std::string& bytes);
