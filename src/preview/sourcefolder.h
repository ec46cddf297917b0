#pragma once

#include "platform/paths.h"

#include <QString>

// The folder of a source path with its trailing separator, the output folder that follows the source:
// "D:\Video\Trip.wmv" gives "D:\Video\", "D:\Trip.wmv" gives "D:\", "/home/me/a.mp4" gives "/home/me/".
// A bare file name has no folder and gives the empty text.
QString SourceFolder(const QString& path, PathStyle style = NativePathStyle());
