#pragma once

#include <QString>
#include <ostream>

// Readable failure messages and test names for Qt texts. Every test file of the executable includes it, so
// each prints texts the same way.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
