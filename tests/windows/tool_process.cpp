#include "tool_process.h"

#include <shlobj.h>

#include <cstring>

namespace {

// No wait in here may hang the run: every one gives up after this.
constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kPollMs = 20;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;

// Polls until the condition holds or the timeout passes.
template <typename Condition>
bool wait_until(Condition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kTimeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}

struct WindowSearch {
    DWORD process_id;
    HWND owner;  // for boxes; null when looking for the main window
    std::vector<HWND> found;
};

BOOL CALLBACK collect_top_level(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<WindowSearch*>(lparam);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != search->process_id) {
        return TRUE;
    }
    const std::string name = class_name(window);
    if (search->owner == nullptr
            ? name == "Vistaro"
            : name == "#32770" && GetWindow(window, GW_OWNER) == search->owner) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK collect_child(HWND window, LPARAM lparam) {
    reinterpret_cast<std::vector<HWND>*>(lparam)->push_back(window);
    return TRUE;
}

std::vector<HWND> top_level_windows(DWORD process_id, HWND owner) {
    WindowSearch search{process_id, owner, {}};
    EnumWindows(collect_top_level, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The box's text sits in the static with id 0xFFFF; failing that, in its first static.
std::string message_box_text(HWND box) {
    if (HWND text = GetDlgItem(box, kMessageBoxTextId)) {
        return window_text(text);
    }
    std::vector<HWND> children;
    EnumChildWindows(box, collect_child, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (lstrcmpiA(class_name(child).c_str(), "Static") == 0 && !window_text(child).empty()) {
            return window_text(child);
        }
    }
    return {};
}

}  // namespace

std::string window_text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length)) {
        return "<no answer>";
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

bool set_window_text(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

std::string class_name(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

ToolProcess::~ToolProcess() {
    if (process_.hProcess == nullptr) {
        return;
    }
    // A scenario that failed half-way may leave the tool running: end it, not the run.
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ToolProcess::start(const std::string& exe_path) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command_line = "\"" + exe_path + "\"";
    if (!CreateProcessA(exe_path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        return false;
    }
    WaitForInputIdle(process_.hProcess, kTimeoutMs);
    return wait_until([this] {
        const std::vector<HWND> windows = top_level_windows(process_.dwProcessId, nullptr);
        main_window_ = windows.empty() ? nullptr : windows.front();
        return main_window_ != nullptr && IsWindowVisible(main_window_);
    });
}

std::vector<HWND> ToolProcess::children() const {
    std::vector<HWND> all;
    EnumChildWindows(main_window_, collect_child, reinterpret_cast<LPARAM>(&all));
    return all;
}

void ToolProcess::press(int id) const {
    // Posted, never sent: the handler may sit in a modal box until the driver closes it.
    PostMessageA(main_window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(id)));
}

bool ToolProcess::drop_file(const std::string& path) const {
    // DROPFILES, then the path and the empty string that ends the list.
    std::vector<char> block(sizeof(DROPFILES) + path.size() + 2, '\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = FALSE;
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, path.data(), path.size());

    // The drop handle must point into the tool's memory; the tool frees it with DragFinish.
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, block.size(),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr) {
        return false;
    }
    SIZE_T written = 0;
    if (!WriteProcessMemory(process_.hProcess, remote, block.data(), block.size(), &written) ||
        written != block.size()) {
        return false;
    }
    return PostMessageA(main_window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != 0;
}

std::vector<HWND> ToolProcess::open_boxes() const {
    return top_level_windows(process_.dwProcessId, main_window_);
}

bool ToolProcess::wait_for_box(MessageBoxSeen* box) const {
    HWND found = nullptr;
    if (!wait_until([&] {
            for (HWND window : open_boxes()) {
                if (IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        })) {
        return false;
    }
    box->window = found;
    box->caption = window_text(found);
    box->text = message_box_text(found);
    return true;
}

bool ToolProcess::close_box(HWND box) const {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return wait_until([box] { return !IsWindow(box); });
}

bool ToolProcess::close(DWORD* exit_code) {
    PostMessageA(main_window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process_.hProcess, exit_code) != 0;
}
