// Starts a program on the current X display and reports, in milliseconds
// from the start, when its window titled "Zarnikfield" was mapped and when
// its first paint reached the screen (the menu bar strip shows more than
// two colours), then the processor time its threads had used by then, which
// a busy machine changes far less than the wall-clock times. Built and run
// by bench/startup.sh.
//   startup-probe PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool IsProgramWindow(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return false;
    const bool match = std::strstr(name, "Zarnikfield") != nullptr;
    XFree(name);
    return match;
}

// True once the strip under the title holds the menu bar's text.
bool Painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return false;
    const int width = attributes.width < 400 ? attributes.width : 400;
    const int height = attributes.height < 24 ? attributes.height : 24;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < height && colours.size() < 3; ++y)
        for (int x = 0; x < width && colours.size() < 3; ++x)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 3;
}

// Processor time of all the process's threads, from the scheduler's
// nanosecond counts.
double CpuMs(pid_t pid) {
    double total = 0;
    std::error_code error;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        double ns = 0;
        if (in >> ns)
            total += ns / 1e6;
    }
    return total;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup-probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    Window window = 0;
    double mapped = -1;
    double painted = -1;
    double cpu = -1;
    while (painted < 0 && MsSince(start) < 20000) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (window == 0 && event.type == MapNotify &&
                IsProgramWindow(display, event.xmap.window)) {
                window = event.xmap.window;
                mapped = MsSince(start);
            }
        }
        if (window != 0 && Painted(display, window)) {
            painted = MsSince(start);
            cpu = CpuMs(child);
            break;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 1);
        int status = 0;
        if (window == 0 && waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup-probe: the program ended before its window showed\n");
            return 1;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (painted < 0) {
        std::fprintf(stderr, "startup-probe: no window within 20 s\n");
        return 1;
    }
    std::printf("%.1f %.1f %.1f\n", mapped, painted, cpu);
    return 0;
}
