// A request to terminate (the session ending, kill, Ctrl+C in a terminal) closes
// the windows the way their close boxes do, so the game ends by its usual road.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include <QCoreApplication>
#include <QSocketNotifier>

#include "platform/qt/window.h"

namespace {

int signal_pipe[2] = {-1, -1};

// Only async-signal-safe work here; the event loop does the rest.
void on_signal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signal_pipe[1], &byte, 1);
}

void close_all_windows()
{
    char drained[64];
    while (read(signal_pipe[0], drained, sizeof drained) > 0) {
    }
    for (PlatformWindow* window : all_windows) {
        if (!window->destroyed)
            post_message(window, MESSAGE_CLOSE, 0, 0);
    }
}

} // namespace

void watch_termination_signals()
{
    if (signal_pipe[0] != -1 || pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, close_all_windows);
    struct sigaction action = {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal_number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal_number, &action, nullptr);
}
