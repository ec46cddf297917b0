#pragma once

#include "cli/optionerror.h"
#include "cli/parameterchoice.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// The command line of brindlecut-split, as given; what is left out takes its default later.
struct SplitOptions
{
    QString source;
    std::optional<QString> start;
    std::optional<QString> end;
    std::optional<QString> sections; // equal sections when given; checked by the job's own rule
    std::optional<QString> profile;
    QList<ParameterChoice> choices;
    std::optional<QString> outputDir;
    bool overwrite = false;
    std::optional<bool> fastSeek; // --fast-seek or --exact-seek; the preference when neither
    std::optional<QString> appDir;
    bool help = false;
};

// Reads the arguments after the program's name. An option's value follows it ("--start 10") or is joined to
// it with "=" ("--start=10"); a later option wins over an earlier one; "--" ends the options.
std::variant<SplitOptions, OptionError> ParseSplitOptions(const QStringList& arguments);

// The text --help prints.
QString SplitUsage();
