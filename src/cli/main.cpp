#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/interruptwatcher.h"
#include "cli/splitcommand.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

// No window and no display: a QCoreApplication only.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    InterruptWatcher watcher;

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    SplitCommand command(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath(), out, err,
                         StandardErrorIsTerminal(), TerminalColumns());
    QObject::connect(&watcher, &InterruptWatcher::interrupted, &command,
                     [&command](int signalNumber) { command.interrupt(kExitSignalBase + signalNumber); });
    QObject::connect(&command, &SplitCommand::finished, &application, &QCoreApplication::exit, Qt::QueuedConnection);

    if (const std::optional<int> status = command.start())
        return *status;
    return QCoreApplication::exec();
}
