#pragma once

#include "profiles/showntextsource.h"

#include <QString>

// Appends the encoder switches of the profile at `profilePath` to `switchText`: for each parameter in order a
// blank, its switch, a blank and its value, where the value follows what `shown` shows for it. A parameter
// with no switch or no value adds nothing; the value "\" leaves the switch standing alone. Nothing is added
// when there is no such file. A chosen caption without a value item throws ListIndexError.
void BuildProfileSwitches(const QString& profilePath, const ShownTextSource& shown, QString& switchText);
