#include "cli/interruptwatcher.h"

#include <QTimer>
#include <atomic>
#include <csignal>
#include <windows.h>

namespace {

std::atomic<int> g_received{0};

// Runs on a thread of the console's own; only notes the event. The timer below delivers it.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    int none = 0;
    g_received.compare_exchange_strong(none, SIGINT);
    return TRUE;
}

constexpr int kPollMs = 100;

} // namespace

InterruptWatcher::InterruptWatcher(QObject* parent) : QObject(parent)
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    auto* timer = new QTimer(this);
    timer->setInterval(kPollMs);
    connect(timer, &QTimer::timeout, this, &InterruptWatcher::deliver);
    timer->start();
    m_source = timer;
}

InterruptWatcher::~InterruptWatcher()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    delete m_source;
}

int InterruptWatcher::receivedSignal()
{
    return g_received.load();
}

void InterruptWatcher::deliver()
{
    if (g_received.load() == 0)
        return;
    static_cast<QTimer*>(m_source)->stop();
    Q_EMIT interrupted(g_received.load());
}
