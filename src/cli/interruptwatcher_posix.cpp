#include "cli/interruptwatcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_received = 0;
int g_pipe[2] = {-1, -1};

constexpr int kWatched[] = {SIGINT, SIGTERM};

// Only async-signal-safe calls here: note the signal and wake the event loop through the pipe.
void onSignal(int signalNumber)
{
    if (g_received == 0)
        g_received = signalNumber;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

// A reader of standard output that goes away must not end the tool and leave its encoder running: writes then
// fail instead. A handler, not SIG_IGN, so the encoder does not inherit the ignoring.
void onBrokenPipe(int) {}

} // namespace

InterruptWatcher::InterruptWatcher(QObject* parent) : QObject(parent)
{
    if (::pipe(g_pipe) != 0)
        return;
    for (int end : g_pipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC); // the encoder inherits neither end
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InterruptWatcher::deliver);
    m_source = notifier;

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kWatched)
        ::sigaction(signalNumber, &action, nullptr);
    action.sa_handler = onBrokenPipe;
    ::sigaction(SIGPIPE, &action, nullptr);
}

InterruptWatcher::~InterruptWatcher()
{
    for (int signalNumber : kWatched)
        std::signal(signalNumber, SIG_DFL);
    std::signal(SIGPIPE, SIG_DFL);
    delete m_source;
    for (int& end : g_pipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

int InterruptWatcher::receivedSignal()
{
    return g_received;
}

void InterruptWatcher::deliver()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    Q_EMIT interrupted(g_received);
}
