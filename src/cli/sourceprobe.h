#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The duration of the media file at `path` in whole milliseconds, as libavformat reads it: 0 when the file
// states none, nothing when libavformat cannot open it or finds no stream in it.
std::optional<std::int64_t> SourceDurationMs(const QString& path);
