#pragma once

#include "platform/paths.h"
#include "split/splitmode.h"

#include <QString>
#include <cstdint>

// What a job is asked to do, as the user typed and chose it.
struct SplitInputs
{
    QString sourcePath;
    QString startText; // a time code in the user's decimal separator
    QString endText;
    SplitMode mode = SplitMode::OneClip;
    QString sectionText; // read only in equal-sections mode
    QString profilePath; // the profile file the switches come from
    QString outputDir;
    std::int64_t durationMs = 0; // the source's duration as the preview reports it
    PathStyle pathStyle = NativePathStyle();
};
