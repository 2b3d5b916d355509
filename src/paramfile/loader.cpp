#include "paramfile/loader.h"

#include <cstdio>
#include <cstdlib>

#include "paramfile/conversions.h"
#include "paramfile/field_io.h"
#include "paramfile/file_error.h"
#include "paramfile/parameter_state.h"

namespace {

// The first dropped path, whole, however long it is; the caller frees it. Null when out of
// memory. malloc rather than a vector keeps the C++ runtime out of the Windows exe.
char* first_dropped_path(HDROP drop) {
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    char* path = static_cast<char*>(std::calloc(length + 1, 1));
    if (path != nullptr) {
        DragQueryFileA(drop, 0, path, length + 1);
    }
    return path;
}

void show_fields(const FieldRecord& record) {
    char text[kTextBufferSize];
    format_whole_degrees(record.sun_position, text);
    SetWindowTextA(g_edit_fields[kSunPositionEdit], text);
    format_whole_degrees(record.sun_elevation, text);
    SetWindowTextA(g_edit_fields[kSunElevationEdit], text);
    SetWindowTextA(g_edit_fields[kPanoramaNameEdit], record.panorama_name);
    format_three_decimals(record.start_position, text);
    SetWindowTextA(g_edit_fields[kStartPositionEdit], text);
    format_three_decimals(record.sizing_factor, text);
    SetWindowTextA(g_edit_fields[kSizingFactorEdit], text);
}

}  // namespace

void load_dropped_file(HWND window, HDROP drop) {
    close_open_file();

    char* path = first_dropped_path(drop);
    DragFinish(drop);

    g_open_file = path != nullptr ? std::fopen(path, "r+b") : nullptr;
    std::free(path);
    if (g_open_file == nullptr) {
        show_file_error(window, "File open error");
        return;
    }
    // Unbuffered: every access is a few whole fields at a known offset, and a buffer would only
    // add a read of the block around each seek and write.
    std::setvbuf(g_open_file, nullptr, _IONBF, 0);
    if (!read_fields(g_open_file, &g_field_record)) {
        close_open_file();
        show_file_error(window, "File too short for a wlp file");
        return;
    }
    show_fields(g_field_record);
}
