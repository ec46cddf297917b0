#include "cli/splitoptions.h"

namespace {

enum class Option
{
    Start,
    End,
    Sections,
    Profile,
    Set,
    OutputDir,
    AppDir,
    Overwrite,
    FastSeek,
    ExactSeek,
    Help,
};

struct OptionName
{
    const char* name;
    Option option;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"--start", Option::Start, true},
    {"--end", Option::End, true},
    {"--sections", Option::Sections, true},
    {"--profile", Option::Profile, true},
    {"--set", Option::Set, true},
    {"--output-dir", Option::OutputDir, true},
    {"--app-dir", Option::AppDir, true},
    {"--overwrite", Option::Overwrite, false},
    {"--fast-seek", Option::FastSeek, false},
    {"--exact-seek", Option::ExactSeek, false},
    {"--help", Option::Help, false},
    {"-h", Option::Help, false},
};

const OptionName* findOption(const QString& name)
{
    for (const OptionName& option : kOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

OptionError error(const QString& text)
{
    return {text};
}

// Stores one option's value; an error text when the value is unusable.
std::optional<OptionError> apply(SplitOptions& options, Option option, const QString& value)
{
    switch (option) {
    case Option::Start:
        options.start = value;
        break;
    case Option::End:
        options.end = value;
        break;
    case Option::Sections:
        options.sections = value;
        break;
    case Option::Profile:
        options.profile = value;
        break;
    case Option::Set: {
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return error(QStringLiteral("--set needs \"PARAMETER=VALUE\", not \"%1\"").arg(value));
        options.choices.append({value.left(equals), value.mid(equals + 1)});
        break;
    }
    case Option::OutputDir:
        options.outputDir = value;
        break;
    case Option::AppDir:
        options.appDir = value;
        break;
    case Option::Overwrite:
        options.overwrite = true;
        break;
    case Option::FastSeek:
        options.fastSeek = true;
        break;
    case Option::ExactSeek:
        options.fastSeek = false;
        break;
    case Option::Help:
        options.help = true;
        break;
    }
    return std::nullopt;
}

} // namespace

std::variant<SplitOptions, OptionError> ParseSplitOptions(const QStringList& arguments)
{
    SplitOptions options;
    QStringList sources;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            sources.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionName* option = findOption(name);
        if (option == nullptr)
            return error(QStringLiteral("unknown option %1").arg(name));

        QString value;
        if (option->takesValue) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return error(QStringLiteral("%1 needs a value").arg(name));
        } else if (equals >= 0) {
            return error(QStringLiteral("%1 takes no value").arg(name));
        }
        if (const std::optional<OptionError> refused = apply(options, option->option, value))
            return *refused;
    }

    if (options.help)
        return options;
    if (sources.isEmpty())
        return error(QStringLiteral("no source video given"));
    if (sources.size() > 1)
        return error(QStringLiteral("one source video only, not also \"%1\"").arg(sources[1]));
    options.source = sources.front();
    return options;
}

QString SplitUsage()
{
    return QStringLiteral(
        "Usage: brindlecut-split SOURCE [--start TIME] [--end TIME] [--sections N] [--profile NAME]\n"
        "                        [--set \"PARAMETER=VALUE\"]... [--output-dir DIR] [--overwrite]\n"
        "                        [--fast-seek | --exact-seek] [--app-dir DIR]\n"
        "\n"
        "Cuts the range of SOURCE from --start to --end out as one clip, or into N equal sections, and writes\n"
        "each piece as SOURCE's name, \"_Clip\", its number and the profile's extension.\n"
        "\n"
        "  --start TIME        where the range starts (default: the start of the source)\n"
        "  --end TIME          where it ends (default: the end of the source)\n"
        "  --sections N        N equal sections instead of one clip\n"
        "  --profile NAME      the output profile Profiles/NAME.apf (default: the one chosen in\n"
        "                      Preferences.ini, else the first)\n"
        "  --set \"P=V\"         show V for the profile's parameter P, as the profile editor would;\n"
        "                      \"Video Size=640x480\" is a custom size\n"
        "  --output-dir DIR    where the pieces go (default: as the window would choose it)\n"
        "  --overwrite         replace pieces that exist; without it an existing piece refuses the job\n"
        "  --fast-seek         seek in the source to each piece (default: the Fast Seek preference)\n"
        "  --exact-seek        decode up to each piece instead\n"
        "  --app-dir DIR       the program folder with Profiles/, Preferences.ini and the encoder\n"
        "                      (default: this program's folder)\n"
        "\n"
        "TIME is hours:minutes:seconds (00:01:30.5) or plain seconds (90.5).\n"
        "Exit status: 0 every piece was written, 1 a piece was not, 2 refused before anything was written,\n"
        "130 interrupted.\n");
}
