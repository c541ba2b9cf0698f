#include "app/session.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

namespace app {
namespace {

// Only write() is safe inside a signal handler; the event loop reads the other end.
int g_signalSocket[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket[0], &byte, 1);
}

}  // namespace

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::string_view WhereTheWindowOpens()
{
    return QT_TRANSLATE_NOOP("CommandLine",
                             "Without an option the program opens its window;\n"
                             "it needs a graphical display (X11 or Wayland).");
}

// A terminal is the console: nothing to attach to.
void UseParentConsole() {}

void Print(const std::string& text, std::FILE* stream)
{
    std::fputs(text.c_str(), stream);
}

// A desktop session ends its programs with SIGTERM (Ctrl+C in a terminal sends SIGINT).
void EndWithTheSession(std::function<void()> end)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [end = std::move(end)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_signalSocket[1], &byte, 1);
        end();
    });

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace app
