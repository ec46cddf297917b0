#pragma once

#include "platform/shell.h"

#include <QStringList>

// Records what the program asked the desktop to open. Installs itself for its lifetime.
class FakeShell final : public Shell
{
public:
    FakeShell() { Shell::install(this); }
    ~FakeShell() override { Shell::install(nullptr); }
    void open(const QString& pathOrUrl) override { opened.append(pathOrUrl); }

    QStringList opened;
};
