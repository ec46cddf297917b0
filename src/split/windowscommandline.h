#pragma once

#include <QStringList>
#include <QStringView>

// Splits a command-line text into arguments as Windows programs read theirs: blanks and tabs separate,
// double quotes group ("" inside a group gives one quote and ends the group), 2n backslashes before a
// quote give n backslashes, 2n+1 give n backslashes and a literal quote, other backslashes stay as they are.
QStringList SplitWindowsCommandLine(QStringView text);
