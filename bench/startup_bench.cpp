// Measures, from outside, how long a program takes from process start to the first painted
// frame of its window, and its peak resident memory, over repeated runs. It watches the X
// display: a new top-level window is noted when created, and the first damage to it after
// it is mapped (the program drawing its content) is the first frame. The program runs
// unchanged, with no flag or variable of its own.
//
// Usage: startup_bench [--runs N] PROGRAM FLOOR_PROGRAM [REFERENCE_PROGRAM]
// (on an X display, e.g. Xvfb). A reference, such as a plain window of the same controls,
// gets a row and a ratio of its own.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double firstFrameMs;
    double peakMiB;
};

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0; // a window may vanish before we look at it
}

std::optional<Run> measure(Display* display, int damageEvent, const char* program)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }

    std::set<Window> created;
    std::set<Window> mapped;
    std::optional<Clock::time_point> firstFrame;
    const Clock::time_point giveUp = start + std::chrono::seconds(20);
    while (!firstFrame && Clock::now() < giveUp) {
        if (XPending(display) == 0) {
            pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
            poll(&descriptor, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            const Window window = event.xcreatewindow.window;
            created.insert(window);
            XSelectInput(display, window, StructureNotifyMask);
            XDamageCreate(display, window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && created.count(event.xmap.window) != 0) {
            mapped.insert(event.xmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
            if (mapped.count(damage->drawable) != 0)
                firstFrame = Clock::now();
        }
    }

    // Let the program settle for a moment, so the peak covers its start-up as a whole.
    usleep(300 * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XSelectInput(display, root, NoEventMask);
    XSync(display, True);

    if (!firstFrame)
        return std::nullopt;
    const double ms = std::chrono::duration<double, std::milli>(*firstFrame - start).count();
    return Run{ms, usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2 && programs.size() != 3) {
        std::fprintf(stderr, "usage: %s [--runs N] PROGRAM FLOOR_PROGRAM [REFERENCE_PROGRAM]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display; run under xvfb-run\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }

    // Runs alternate between the programs, so that a slow moment of the machine falls on
    // each alike. The first run of each warms the file cache and is not counted.
    const std::size_t count = programs.size();
    std::vector<double> times[3];
    std::vector<double> memory[3];
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t p = 0; p < count; ++p) {
            const std::optional<Run> result = measure(display, damageEvent, programs[p]);
            if (!result) {
                std::fprintf(stderr, "%s: no window painted within 20 s\n", programs[p]);
                return 1;
            }
            if (run > 0) {
                times[p].push_back(result->firstFrameMs);
                memory[p].push_back(result->peakMiB);
            }
        }
    }
    XCloseDisplay(display);

    double time[3] = {};
    double peak[3] = {};
    for (std::size_t p = 0; p < count; ++p) {
        time[p] = median(times[p]);
        peak[p] = median(memory[p]);
    }
    std::printf("start to first painted frame, median of %d runs; peak resident memory, median\n",
                runs);
    std::printf("  program %-40s %8.1f ms %8.1f MiB\n", programs[0], time[0], peak[0]);
    std::printf("  floor   %-40s %8.1f ms %8.1f MiB\n", programs[1], time[1], peak[1]);
    if (count == 3)
        std::printf("  reference %-38s %8.1f ms %8.1f MiB\n", programs[2], time[2], peak[2]);
    std::printf("  ratio program/floor: time %.2f, memory %.2f\n", time[0] / time[1],
                peak[0] / peak[1]);
    if (count == 3) {
        std::printf("  ratio reference/floor: time %.2f, memory %.2f\n", time[2] / time[1],
                    peak[2] / peak[1]);
        std::printf("  ratio program/reference: time %.2f, memory %.2f\n", time[0] / time[2],
                    peak[0] / peak[2]);
    }
    return 0;
}
