#pragma once

#include "cli/parameterchoice.h"

#include <QList>
#include <QString>

// The encoder switches and the output extension of a job.
struct ProfileSelection
{
    QString switches;
    QString outputExt;
};

// Loads the profile as the profile editor does, changes what its parameters show as --set asks, and builds the
// switches from that. A profile file that does not exist gives neither switches nor extension (the job's
// checks refuse it). Throws the profile's own errors (ListIndexError, RowNameError) and ProfileChoiceError.
ProfileSelection SelectProfile(const QString& profilePath, const QList<ParameterChoice>& choices);
