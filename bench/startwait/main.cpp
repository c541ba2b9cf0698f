// Starts a program under X and reports, on one line, how long it took from exec until its
// first top-level window was mapped, and the peak resident memory of the process once that
// window had been painted. With --idle it also counts the context switches the whole process
// makes while it sits untouched; --tabs moves the keyboard focus first (Tab key presses).
//
//   varodara_startwait [--idle SECONDS] [--tabs N] -- program [arguments...]
//   prints: startup_ms=12.345 maxrss_kib=30000 [idle_switches=0]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "varodara_startwait: %s\n", what);
    std::exit(2);
}

// Sum over every thread of the process of a per-thread counter read by `read`.
template <typename Read>
long long sumOverThreads(pid_t pid, Read read)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr)
        return -1;
    long long total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            total += read(tasks + '/' + entry->d_name);
    }
    closedir(dir);
    return total;
}

long long cpuNanoseconds(pid_t pid)
{
    return sumOverThreads(pid, [](const std::string& task) {
        long long runtime = 0;
        std::ifstream(task + "/schedstat") >> runtime;
        return runtime;
    });
}

long long contextSwitches(pid_t pid)
{
    return sumOverThreads(pid, [](const std::string& task) {
        std::ifstream status(task + "/status");
        long long total = 0;
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::atoll(line.c_str() + line.find(':') + 1);
        }
        return total;
    });
}

// Waits until the process has used no processor time for `quiet` (bounded by `limit`):
// it has painted what it shows and sits waiting for events.
bool waitUntilIdle(pid_t pid, std::chrono::milliseconds quiet, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    long long last = cpuNanoseconds(pid);
    auto quietSince = Clock::now();
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const long long now = cpuNanoseconds(pid);
        if (now < 0)
            return false;
        if (now != last) {
            last = now;
            quietSince = Clock::now();
        } else if (Clock::now() - quietSince >= quiet) {
            return true;
        }
    }
    return false;
}

// The first window mapped as a child of the root that is not override-redirect (menus and
// tooltips are): without a window manager that is the program's first top-level window.
Window waitForMap(Display* display, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return None;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}

void pressTab(Display* display, int times)
{
    const KeyCode tab = XKeysymToKeycode(display, XK_Tab);
    for (int i = 0; i < times; ++i) {
        XTestFakeKeyEvent(display, tab, True, CurrentTime);
        XTestFakeKeyEvent(display, tab, False, CurrentTime);
    }
    XSync(display, False);
}

}  // namespace

int main(int argc, char** argv)
{
    int idleSeconds = 0;
    int tabs = 0;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "--idle") == 0 && first + 1 < argc)
            idleSeconds = std::atoi(argv[++first]);
        else if (std::strcmp(argv[first], "--tabs") == 0 && first + 1 < argc)
            tabs = std::atoi(argv[++first]);
        else
            fail("usage: varodara_startwait [--idle SECONDS] [--tabs N] -- program [arguments...]");
    }
    if (first >= argc)
        fail("no program given");

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        fail("cannot open the X display");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }

    const Window window = waitForMap(display, std::chrono::seconds(30));
    const auto mapped = Clock::now();
    if (window == None) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail("no window was mapped");
    }
    if (!waitUntilIdle(pid, std::chrono::milliseconds(150), std::chrono::seconds(10)))
        std::fprintf(stderr, "varodara_startwait: the program did not settle\n");

    long long idleSwitches = -1;
    if (idleSeconds > 0) {
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        pressTab(display, tabs);
        waitUntilIdle(pid, std::chrono::milliseconds(150), std::chrono::seconds(10));
        const long long before = contextSwitches(pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        idleSwitches = contextSwitches(pid) - before;
    }

    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    XCloseDisplay(display);

    const double startupMs = std::chrono::duration<double, std::milli>(mapped - started).count();
    std::printf("startup_ms=%.3f maxrss_kib=%ld", startupMs, usage.ru_maxrss);
    if (idleSwitches >= 0)
        std::printf(" idle_switches=%lld", idleSwitches);
    std::printf("\n");
    return 0;
}
