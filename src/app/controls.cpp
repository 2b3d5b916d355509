#include "app/controls.h"

#include <cstdint>

#include "app/command_ids.h"
#include "paramfile/parameter_state.h"

HWND g_write_button = nullptr;
HWND g_unused_button = nullptr;
HWND g_help_button = nullptr;

namespace {

constexpr DWORD kBitmapStyle = WS_CHILD | WS_VISIBLE | SS_BITMAP;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kNumberEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_RIGHT;
constexpr DWORD kTextEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT;
constexpr int kNoEditSlot = -1;

struct ControlLayout {
    const char* class_name;
    const char* text;
    DWORD style;
    int x, y, width, height;
    int id;
    HWND* button;   // where a button's handle is kept, or null
    int edit_slot;  // index in the edit field array, or kNoEditSlot
};

// Creation order is drawing order: the frames come after the buttons they surround.
// clang-format off
const ControlLayout kControls[] = {
    {"STATIC", "BITMAP1", kBitmapStyle, 150, 12, CW_USEDEFAULT, CW_USEDEFAULT, kBitmapId, nullptr, kNoEditSlot},
    {"button", "Write to file", kButtonStyle, 165, 225, 125, 30, kWriteToFileId, &g_write_button, kNoEditSlot},
    {"button", "unused", kButtonStyle | WS_DISABLED, 165, 260, 125, 30, kUnusedButtonId, &g_unused_button, kNoEditSlot},
    {"button", "Help", kButtonStyle, 165, 315, 125, 30, kHelpId, &g_help_button, kNoEditSlot},
    {"button", "File control", kGroupBoxStyle, 160, 205, 135, 90, 0, nullptr, kNoEditSlot},
    {"button", "Sun position", kGroupBoxStyle, 5, 5, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "Sun elevation", kGroupBoxStyle, 5, 55, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "Panorama file", kGroupBoxStyle, 5, 105, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "Startpos at feet", kGroupBoxStyle, 5, 155, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "Sizing factor", kGroupBoxStyle, 5, 205, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "unused", kGroupBoxStyle, 5, 255, 135, 45, 0, nullptr, kNoEditSlot},
    {"button", "unused", kGroupBoxStyle, 5, 305, 135, 45, 0, nullptr, kNoEditSlot},
    {"edit", "", kNumberEditStyle, 10, 20, 125, 25, kSunPositionEditId, nullptr, kSunPositionEdit},
    {"edit", "", kNumberEditStyle, 10, 70, 125, 25, kSunElevationEditId, nullptr, kSunElevationEdit},
    {"edit", "", kTextEditStyle, 10, 120, 125, 25, kPanoramaNameEditId, nullptr, kPanoramaNameEdit},
    {"edit", "", kTextEditStyle, 10, 170, 125, 25, kStartPositionEditId, nullptr, kStartPositionEdit},
    {"edit", "", kTextEditStyle, 10, 220, 125, 25, kSizingFactorEditId, nullptr, kSizingFactorEdit},
    {"edit", "", kTextEditStyle | WS_DISABLED, 10, 270, 125, 25, kSpareEdit1Id, nullptr, kSpareEdit1},
    {"edit", "", kTextEditStyle | WS_DISABLED, 10, 320, 125, 25, kSpareEdit2Id, nullptr, kSpareEdit2},
};
// clang-format on

}  // namespace

void create_controls(HWND window, HINSTANCE instance) {
    for (const ControlLayout& control : kControls) {
        const HWND handle = CreateWindowExA(
            0, control.class_name, control.text, control.style, control.x, control.y, control.width,
            control.height, window, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control.id)),
            instance, nullptr);
        if (control.button != nullptr) {
            *control.button = handle;
        }
        if (control.edit_slot != kNoEditSlot) {
            g_edit_fields[control.edit_slot] = handle;
        }
    }
}
