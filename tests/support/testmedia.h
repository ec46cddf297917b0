#pragma once

#include <QString>

// Writes a small video with picture and sound of `seconds` length to `path` with ffmpeg's test sources; the
// container follows the extension. Throws when ffmpeg fails.
QString MakeTestVideo(const QString& path, double seconds);

// Videos made once per test program in a temporary folder of its own: 125.7 s and 20 s long.
QString LongTestVideo();
QString ShortTestVideo();
