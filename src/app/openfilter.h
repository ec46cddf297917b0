#pragma once

#include <QString>
#include <QStringList>

// The open dialog's filter, "description|patterns" pairs joined by "|": the combined entry of all
// supported extensions first, then one entry per extension, then all files.
QString BuildOpenDialogFilter(const QStringList& extensions);
