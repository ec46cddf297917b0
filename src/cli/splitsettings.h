#pragma once

#include "cli/parameterchoice.h"
#include "cli/splitoptions.h"
#include "platform/appcontext.h"
#include "split/splitinputs.h"

#include <QList>
#include <QString>
#include <cstdint>

// What one run of brindlecut-split is to do, with every default applied.
struct SplitSettings
{
    SplitInputs inputs; // what the job's checks read, the source's duration included
    QString profileName;
    QList<ParameterChoice> choices;
    bool overwrite = false;
    bool fastSeek = false;
};

// The program folder's context: AppDir with its trailing separator and the encoder in it.
AppContext ToolContext(const QString& appDir);

// `path` made absolute against the current folder; the empty text stays empty.
QString AbsolutePath(const QString& path);

// The profile chosen in Preferences.ini when it names one of the listed profiles, else the first listed;
// empty when there is none.
QString DefaultProfileName(const AppContext& context);

// Applies the defaults: the whole source (`durationMs` long), one clip, the profile of DefaultProfileName,
// the output folder the window would choose (the fixed one when "Aptotic" is on, else the source's folder)
// and the Fast Seek preference.
SplitSettings ResolveSplitSettings(const SplitOptions& options, const AppContext& context, std::int64_t durationMs);
