// Drives a running vistaro.exe from another process, the way a user's actions reach it:
// posted clicks, window texts, file drops, and the message boxes it raises.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class ToolProcess {
  public:
    ~ToolProcess();

    // Starts the exe and waits for its main window (class "Vistaro"). False on timeout.
    bool start(const std::string& exe_path);

    HWND main_window() const { return main_window_; }
    HWND control(int id) const { return GetDlgItem(main_window_, id); }

    // Every child of the main window, in creation (Z) order.
    std::vector<HWND> children() const;

    // Posts a click of the button with this id, as the button itself would.
    void press(int id) const;

    // Posts WM_DROPFILES with a drop block written into the tool's own memory.
    bool drop_file(const std::string& path) const;

    // Waits for a message box owned by the main window; false when none comes in time.
    bool wait_for_box(MessageBoxSeen* box) const;

    // Every message box the main window owns right now.
    std::vector<HWND> open_boxes() const;

    // Presses OK on the box and waits until it has gone.
    bool close_box(HWND box) const;

    // Closes the main window and waits for the process; false when it does not end in time.
    bool close(DWORD* exit_code);

  private:
    PROCESS_INFORMATION process_ = {};
    HWND main_window_ = nullptr;
};

// The text of any window, through WM_GETTEXT sent across the process boundary.
std::string window_text(HWND window);
bool set_window_text(HWND window, const std::string& text);
std::string class_name(HWND window);
