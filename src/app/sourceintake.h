#pragma once

#include <QString>
#include <QStringList>

// The source named on the command line: the first argument, or, when its extension is ".tmp" in any case, the
// first line of that list file as it stands. A relative path is made absolute against the current folder; no
// argument gives the empty text. A list file that cannot be read or holds no line throws BrindlecutError.
QString CommandLineSource(const QStringList& arguments);

// Whether a path names a source to load: an existing file (a folder does not count) with a supported extension.
bool IsLoadableSource(const QString& path, const QStringList& supportedExts);
