#pragma once

#include <QObject>

class QSocketNotifier;

// Turns Ctrl-C (and a request to terminate) into a Qt signal delivered by the event loop, so the job can
// end its encoder as Cancel does. One watcher at a time; it puts the default handling back when destroyed.
class InterruptWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject* parent = nullptr);
    ~InterruptWatcher() override;

    // The number of the first signal that came, 0 while none has. Safe to ask at any moment, also before the
    // event loop has delivered interrupted().
    static int receivedSignal();

Q_SIGNALS:
    void interrupted(int signalNumber);

private:
    void deliver();

    QObject* m_source = nullptr; // what wakes the event loop: a notifier on a pipe, or a polling timer
};
