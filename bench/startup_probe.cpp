// Times programs from outside: starts each on the X display in $DISPLAY, watches the root
// window until the program's top-level window is mapped and until its drawing stops, reads its
// resident memory once it has been idle for a while, then ends it. Programs run in turn, round
// after round, so that drift of the machine falls on all of them alike. Prints medians, and
// each program's figures over those of every program named after it (the last is the floor).
//
// usage: startup_probe [--runs N] [--settle MS] [--verbose] NAME=COMMAND... (at least one)
// A command is a program and its arguments, separated by spaces.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::string command;
    std::vector<double> mapped_ms;
    std::vector<double> drawn_ms;
    std::vector<double> rss_kb;
};

struct Sample {
    double mapped_ms;
    double drawn_ms;
    double rss_kb;
};

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// VmRSS in kB, or -1 when the process is gone.
double resident_kb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atof(line.c_str() + 6);
        }
    }
    return -1;
}

pid_t start(const std::string& command) {
    std::vector<std::string> words;
    std::istringstream split(command);
    for (std::string word; split >> word;) {
        words.push_back(word);
    }
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Waits up to the deadline for the next X event; false on time-out.
bool next_event(Display* display, XEvent* event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const double left =
            std::chrono::duration<double, std::milli>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left) + 1);
    }
    XNextEvent(display, event);
    return true;
}

void drain(Display* display) {
    XSync(display, False);
    XEvent event;
    while (XPending(display) > 0) {
        XNextEvent(display, &event);
    }
}

bool intersects(const XRectangle& area, int x, int y, int width, int height) {
    return area.x < x + width && x < area.x + area.width && area.y < y + height &&
           y < area.y + area.height;
}

// One start of one program. Mapped: its first top-level window appears. Drawn: the last
// drawing inside that window within the settle time after the map.
bool measure(Display* display, int damage_event, const std::string& command, int settle_ms,
             Sample* sample) {
    drain(display);
    const Window root = DefaultRootWindow(display);
    const Clock::time_point started = Clock::now();
    const pid_t pid = start(command);

    XEvent event;
    Window window = 0;
    XWindowAttributes attributes{};
    Clock::time_point deadline = started + std::chrono::seconds(20);
    while (window == 0 && next_event(display, &event, deadline)) {
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
            sample->mapped_ms = since(started);
            window = event.xmap.window;
        }
    }
    if (window == 0 || !XGetWindowAttributes(display, window, &attributes)) {
        std::fprintf(stderr, "startup_probe: %s showed no window\n", command.c_str());
        stop(pid);
        return false;
    }
    sample->drawn_ms = sample->mapped_ms;
    deadline = Clock::now() + std::chrono::milliseconds(settle_ms);
    while (next_event(display, &event, deadline)) {
        if (event.type == damage_event + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (intersects(damage.area, attributes.x, attributes.y, attributes.width,
                           attributes.height)) {
                sample->drawn_ms = since(started);
            }
        }
    }
    sample->rss_kb = resident_kb(pid);
    stop(pid);
    return sample->rss_kb >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    int settle_ms = 300;
    bool verbose = false;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (argument == "--settle" && i + 1 < argc) {
            settle_ms = std::atoi(argv[++i]);
        } else if (argument == "--verbose") {
            verbose = true;
        } else if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            programs.push_back(
                {argument.substr(0, equals), argument.substr(equals + 1), {}, {}, {}});
        } else {
            std::fprintf(stderr,
                         "usage: startup_probe [--runs N] [--settle MS] [--verbose] "
                         "NAME=COMMAND...\n");
            return 2;
        }
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "startup_probe: name at least one program and one run\n");
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open display \"%s\"\n", XDisplayName(nullptr));
        return 1;
    }
    int damage_event = 0;
    int damage_error = 0;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
        std::fprintf(stderr, "startup_probe: the display has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // Damage on the root reports drawing in every window on the screen.
    XDamageCreate(display, root, XDamageReportRawRectangles);

    // Round 0 warms the file cache and the X server and is not counted.
    for (int round = 0; round <= runs; ++round) {
        for (Program& program : programs) {
            Sample sample{};
            if (!measure(display, damage_event, program.command, settle_ms, &sample)) {
                return 1;
            }
            if (round > 0) {
                program.mapped_ms.push_back(sample.mapped_ms);
                program.drawn_ms.push_back(sample.drawn_ms);
                program.rss_kb.push_back(sample.rss_kb);
            }
            if (verbose) {
                std::printf("run %2d %-14s mapped %7.1f ms  drawn %7.1f ms  VmRSS %7.0f kB\n",
                            round, program.name.c_str(), sample.mapped_ms, sample.drawn_ms,
                            sample.rss_kb);
            }
            usleep(100000);  // lets the server finish with the window that just went
        }
    }

    std::printf("%d runs each, alternating; medians; memory read %d ms after the map\n", runs,
                settle_ms);
    std::printf("%-28s %10s %10s %10s\n", "program", "mapped ms", "drawn ms", "VmRSS kB");
    for (const Program& program : programs) {
        std::printf("%-28s %10.1f %10.1f %10.0f\n", program.name.c_str(), median(program.mapped_ms),
                    median(program.drawn_ms), median(program.rss_kb));
    }
    for (std::size_t i = 0; i < programs.size(); ++i) {
        for (std::size_t j = i + 1; j < programs.size(); ++j) {
            const Program& program = programs[i];
            const Program& floor = programs[j];
            const std::string name = program.name + " / " + floor.name;
            std::printf("%-28s %9.3fx %9.3fx %9.3fx\n", name.c_str(),
                        median(program.mapped_ms) / median(floor.mapped_ms),
                        median(program.drawn_ms) / median(floor.drawn_ms),
                        median(program.rss_kb) / median(floor.rss_kb));
        }
    }
    XCloseDisplay(display);
    return 0;
}
