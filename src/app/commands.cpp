#include "app/commands.h"

#include "app/command_ids.h"
#include "app/help_text.h"
#include "paramfile/loader.h"
#include "paramfile/writer.h"

void handle_command(HWND window, WPARAM wparam) {
    if (HIWORD(wparam) != BN_CLICKED) {
        return;  // edit change notifications and the like
    }
    switch (LOWORD(wparam)) {
        case kWriteToFileId:
            write_to_file(window);
            break;
        case kHelpId:
            show_help(window);
            break;
        default:
            break;
    }
}

void handle_drop(HWND window, WPARAM wparam) {
    load_dropped_file(window, reinterpret_cast<HDROP>(wparam));
}
