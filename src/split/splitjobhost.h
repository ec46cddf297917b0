#pragma once

#include "split/splitmode.h"

#include <QString>

inline const QString kOverwriteCaption = QStringLiteral("Overwrite");
inline const QString kOverwriteQuestion = QStringLiteral("The output file is existent. Overwrite it?");

// What a job reads from the program that runs it, at the moment it needs it: the choices the user may
// still change while the job runs, and the answer to the overwrite question.
class SplitJobHost
{
public:
    virtual ~SplitJobHost() = default;

    // Read for every piece.
    virtual SplitMode currentMode() const = 0;
    // The extension of the output files (".mp4"), read for every piece; may be empty.
    virtual QString outputExt() const = 0;
    // The overwrite preference, read for every piece whose output file exists.
    virtual bool overwriteWithoutAsking() const = 0;
    // Asks kOverwriteQuestion about `outputPath`; true for Yes. Called only when the preference is off.
    virtual bool confirmOverwrite(const QString& outputPath) = 0;
};
