#pragma once

#include <QString>

// A command line that cannot be read, and why.
struct OptionError
{
    QString text;
};
