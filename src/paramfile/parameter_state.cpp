#include "paramfile/parameter_state.h"

FieldRecord g_field_record = {};
std::FILE* g_open_file = nullptr;
HWND g_edit_fields[kEditFieldCount] = {};

void close_open_file() {
    if (g_open_file != nullptr) {
        std::fclose(g_open_file);
        g_open_file = nullptr;
    }
}
