#include "paramfile/file_error.h"

void show_file_error(HWND window, const char* text) {
    MessageBoxA(window, text, "Error", MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}
