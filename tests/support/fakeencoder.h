#pragma once

#include <QByteArray>
#include <QStringList>

class TempProgramDir;

// The encoder of a temporary program folder, as a shell script named wmaspi.dll. Each run keeps its
// arguments in argsN.txt and its pid in pidN (N counting the runs), then runs the script's body with
// $run = N and $output = its last argument.
class FakeEncoder final
{
public:
    explicit FakeEncoder(const TempProgramDir& program) : m_program(program) {}

    void write(const QByteArray& body) const;
    int runs() const;
    QStringList arguments(int run) const;
    qint64 pid(int run) const;

private:
    const TempProgramDir& m_program;
};

// True while a process with this id exists.
bool ProcessAlive(qint64 pid);
