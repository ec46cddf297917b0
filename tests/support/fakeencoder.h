#pragma once

#include "support/tempprogramdir.h"

#include <QByteArray>
#include <QStringList>

// A stand-in for the encoder in a temporary program folder: wmaspi.dll as a shell script that keeps its
// arguments in argsN.txt and its pid in pidN (N counting the runs), then runs a body of the test's own with
// $run = N and $output = its last argument.
class FakeEncoder final
{
public:
    explicit FakeEncoder(const TempProgramDir& program);

    void write(const QByteArray& body) const;
    int runs() const;
    QStringList arguments(int run) const;
    // 0 until the run has written it.
    qint64 pid(int run) const;

private:
    const TempProgramDir& m_program;
};

// True while a process with this id exists.
bool ProcessAlive(qint64 pid);
