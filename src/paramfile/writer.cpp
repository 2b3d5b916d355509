#include "paramfile/writer.h"

#include "paramfile/field_io.h"
#include "paramfile/file_error.h"
#include "paramfile/parameter_state.h"
#include "paramfile/validation.h"

void write_to_file(HWND window) {
    if (g_open_file == nullptr) {
        show_file_error(window, "No wlp file open");
        return;
    }
    if (!validate_fields(g_edit_fields, window)) {
        return;
    }
    // The file may have been cut short by another program since it was loaded.
    if (!file_holds_all_fields(g_open_file)) {
        show_file_error(window, "File too short for a wlp file");
        return;
    }
    if (!write_fields(g_open_file, g_field_record)) {
        show_file_error(window, "File write error");
        return;
    }
    MessageBoxA(window, "Data is written", "Ok", MB_ICONINFORMATION | MB_SETFOREGROUND);
}
