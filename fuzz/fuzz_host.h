// What the fuzz targets share: the window system they need, offscreen, and invariant checks
// that stop the run with the input saved.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32.h"

using Bytes = std::vector<unsigned char>;

// Starts an offscreen QApplication and a host window with the seven edit fields in
// g_edit_fields; from then on message boxes are recorded instead of shown. Makes a private
// temporary directory. Call once, from LLVMFuzzerInitialize.
void start_fuzz_host(int* argc, char*** argv);

HWND fuzz_host_window();

// A path in the private temporary directory.
std::string fuzz_path(const std::string& name);

// "caption: text" of each box shown since the last call.
std::vector<std::string> take_boxes();

void write_bytes(const std::string& path, const Bytes& bytes);
Bytes read_bytes(const std::string& path);

// The texts of edit fields 0 to 4.
std::vector<std::string> edit_texts();

// Loads the path as a drop on the host window does.
void drop_file(const std::string& path);

// An offset outside the five fields where `after` differs from `before`, or -1.
long change_outside_fields(const Bytes& before, const Bytes& after);

// Reports a broken invariant and aborts, so that libFuzzer keeps the input.
[[noreturn]] void invariant_broken(const char* what, const std::string& detail = "");

#define FUZZ_CHECK(condition, detail)               \
    do {                                            \
        if (!(condition)) {                         \
            invariant_broken(#condition, (detail)); \
        }                                           \
    } while (false)
