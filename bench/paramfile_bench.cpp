// One load plus one write of a parameter file through the tool's own code, next to the floor
// of the same field bytes read and written with raw pread/pwrite, and their ratio.
// The tool's side runs on real edit fields (Qt, offscreen) with message boxes answered here.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "paramfile/conversions.h"
#include "paramfile/field_layout.h"
#include "paramfile/loader.h"
#include "paramfile/parameter_state.h"
#include "paramfile/writer.h"
#include "platform/qt/test_seams.h"
#include "platform/win32.h"

namespace {

// A parameter file of the given size whose five fields hold values the tool accepts as they
// are shown, so that every write succeeds. The other bytes are arbitrary.
std::string make_parameter_file(std::size_t size) {
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 131 + 7);
    }
    encode_single(whole_degrees_to_radians(120), bytes.data() + kSunPositionOffset);
    encode_single(whole_degrees_to_radians(35), bytes.data() + kSunElevationOffset);
    std::memcpy(bytes.data() + kPanoramaNameOffset, "S1.bmp", 7);
    encode_single(90.0f, bytes.data() + kStartPositionOffset);
    encode_single(1.25f, bytes.data() + kSizingFactorOffset);

    char path[] = "/tmp/vistaro-bench-XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0 || write(descriptor, bytes.data(), size) != static_cast<ssize_t>(size)) {
        std::perror("vistaro-bench: fixture file");
        std::exit(1);
    }
    close(descriptor);
    return path;
}

// A host window with the seven edit fields the loader and the writer use, as the main window
// has them.
HWND make_host() {
    static const bool registered = [] {
        WNDCLASSEXA window_class = {};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.lpszClassName = "ParamFileBenchHost";
        return RegisterClassExA(&window_class) != 0;
    }();
    if (!registered) {
        return nullptr;
    }
    HWND host = CreateWindowExA(0, "ParamFileBenchHost", "host", WS_CAPTION, 0, 0, 320, 400,
                                nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; host != nullptr && i < kEditFieldCount; ++i) {
        g_edit_fields[i] = CreateWindowExA(
            0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT, 10, 20 + 50 * i, 125, 25,
            host, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(i + 1)), nullptr, nullptr);
    }
    return host;
}

void load_and_write(benchmark::State& state) {
    const std::string path = make_parameter_file(static_cast<std::size_t>(state.range(0)));
    HWND host = make_host();
    std::string unexpected;
    win32_test::set_message_box_observer([&](const win32_test::MessageBoxCall& call) {
        if (call.text != "Data is written") {
            unexpected = call.text;
        }
        return IDOK;
    });
    for (auto _ : state) {
        // The drop closes the file the previous iteration left open.
        load_dropped_file(host, win32_test::make_drop_handle({path}));
        write_to_file(host);
    }
    close_open_file();
    win32_test::set_message_box_observer({});
    DestroyWindow(host);
    std::remove(path.c_str());
    if (!unexpected.empty()) {
        state.SkipWithError(("the tool said: " + unexpected).c_str());
    }
}

// The same five fields read and written back in the same order, and the file opened and
// closed, with nothing in between.
void raw_floor(benchmark::State& state) {
    const std::string path = make_parameter_file(static_cast<std::size_t>(state.range(0)));
    unsigned char bytes[kPanoramaNameLength * 2 + 4 * kSingleFloatLength];
    bool failed = false;
    for (auto _ : state) {
        const int descriptor = open(path.c_str(), O_RDWR);
        unsigned char* field = bytes;
        for (const FieldLayout& layout : kFieldAccessOrder) {
            failed |= pread(descriptor, field, layout.length, layout.offset) !=
                      static_cast<ssize_t>(layout.length);
            field += layout.length;
        }
        field = bytes;
        for (const FieldLayout& layout : kFieldAccessOrder) {
            failed |= pwrite(descriptor, field, layout.length, layout.offset) !=
                      static_cast<ssize_t>(layout.length);
            field += layout.length;
        }
        failed |= close(descriptor) != 0;
        benchmark::DoNotOptimize(bytes);
    }
    std::remove(path.c_str());
    if (failed) {
        state.SkipWithError("raw read or write failed");
    }
}

// 958 bytes is the smallest file the tool takes; a few kB is a typical one.
BENCHMARK(load_and_write)->Arg(958)->Arg(4096)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(raw_floor)->Arg(958)->Arg(4096)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The console table, then each load_and_write time over the raw floor of the same file size.
// With repetitions the median is taken.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred &&
                (run.aggregate_name.empty() || run.aggregate_name == "median")) {
                times_[{run.run_name.function_name, run.run_name.args}] = run.GetAdjustedRealTime();
            }
        }
    }

    void print_ratios() const {
        for (const auto& [name, time] : times_) {
            const auto& [function, size] = name;
            const auto floor = times_.find({"raw_floor", size});
            if (function == "load_and_write" && floor != times_.end()) {
                std::printf("load_and_write / raw_floor, %s-byte file: %.2fx\n", size.c_str(),
                            time / floor->second);
            }
        }
    }

  private:
    // By function name and argument (the file size).
    std::map<std::pair<std::string, std::string>, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter(isatty(STDOUT_FILENO) ? RatioReporter::OO_Defaults
                                                 : RatioReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
