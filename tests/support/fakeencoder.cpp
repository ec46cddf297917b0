#include "support/fakeencoder.h"

#include <QFile>
#include <cerrno>
#include <signal.h>

FakeEncoder::FakeEncoder(const TempProgramDir& program) : m_program(program) {}

void FakeEncoder::write(const QByteArray& body) const
{
    const QByteArray script = "#!/bin/sh\n"
                              "dir=$(dirname \"$0\")\n"
                              "run=$(( $(cat \"$dir/runs\" 2>/dev/null || echo 0) + 1 ))\n"
                              "echo \"$run\" > \"$dir/runs\"\n"
                              "printf '%s\\n' \"$@\" > \"$dir/args$run.txt\"\n"
                              "echo $$ > \"$dir/pid$run\"\n"
                              "for output in \"$@\"; do :; done\n" +
                              body + "\n";
    m_program.writeFile("wmaspi.dll", script);
    QFile::setPermissions(m_program.path("wmaspi.dll"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser);
}

int FakeEncoder::runs() const
{
    QFile file(m_program.path("runs"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
}

QStringList FakeEncoder::arguments(int run) const
{
    QFile file(m_program.path(QStringLiteral("args%1.txt").arg(run)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.chop(1); // the newline after the last argument
    return text.split(QLatin1Char('\n'));
}

qint64 FakeEncoder::pid(int run) const
{
    QFile file(m_program.path(QStringLiteral("pid%1").arg(run)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

bool ProcessAlive(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}
