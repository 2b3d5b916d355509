#include "fuzz_host.h"

#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "paramfile/field_layout.h"
#include "paramfile/loader.h"
#include "paramfile/parameter_state.h"
#include "platform/qt/test_seams.h"

namespace {

HWND g_host = nullptr;
std::filesystem::path g_directory;
std::vector<std::string> g_boxes;

void remove_directory() {
    std::error_code ignored;
    std::filesystem::remove_all(g_directory, ignored);
}

}  // namespace

void start_fuzz_host(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // QApplication keeps the argc it is given; the process outlives every input.
    static QApplication* application = new QApplication(*argc, *argv);
    (void)application;

    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "FuzzHost";
    if (RegisterClassExA(&window_class) == 0) {
        invariant_broken("host class registered");
    }
    g_host = CreateWindowExA(0, "FuzzHost", "host", WS_CAPTION, 0, 0, 320, 400, nullptr, nullptr,
                             nullptr, nullptr);
    for (int i = 0; i < kEditFieldCount; ++i) {
        g_edit_fields[i] = CreateWindowExA(
            0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT, 10, 20 + 50 * i, 125, 25,
            g_host, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(i + 1)), nullptr, nullptr);
        if (g_edit_fields[i] == nullptr) {
            invariant_broken("edit field created");
        }
    }
    win32_test::set_message_box_observer([](const win32_test::MessageBoxCall& call) {
        g_boxes.push_back(call.caption + ": " + call.text);
        return IDOK;
    });

    std::string pattern = (std::filesystem::temp_directory_path() / "vistaro-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        invariant_broken("private temporary directory made");
    }
    g_directory = pattern;
    std::atexit(remove_directory);
}

HWND fuzz_host_window() {
    return g_host;
}

std::string fuzz_path(const std::string& name) {
    return (g_directory / name).string();
}

std::vector<std::string> take_boxes() {
    std::vector<std::string> shown;
    shown.swap(g_boxes);
    return shown;
}

void write_bytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> edit_texts() {
    std::vector<std::string> texts;
    for (int i = 0; i < 5; ++i) {
        char buffer[1024];
        GetWindowTextA(g_edit_fields[i], buffer, sizeof buffer);
        texts.push_back(buffer);
    }
    return texts;
}

void drop_file(const std::string& path) {
    load_dropped_file(g_host, win32_test::make_drop_handle({path}));
}

long change_outside_fields(const Bytes& before, const Bytes& after) {
    for (std::size_t offset = 0; offset < before.size() && offset < after.size(); ++offset) {
        bool in_field = false;
        for (const FieldLayout& layout : kFieldAccessOrder) {
            in_field = in_field || (static_cast<long>(offset) >= layout.offset &&
                                    offset < layout.offset + layout.length);
        }
        if (!in_field && before[offset] != after[offset]) {
            return static_cast<long>(offset);
        }
    }
    return -1;
}

void invariant_broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s %s\n", what, detail.c_str());
    std::abort();
}
