#include "cli/splitsettings.h"

#include "cli/timeargument.h"
#include "platform/inifile.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "prefs/preferences.h"
#include "profiles/profilepath.h"
#include "split/timecode.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString wholeSourceEnd(std::int64_t durationMs)
{
    return QStringLiteral("0:0:") + FormatGeneral(static_cast<double>(durationMs) / 1000.0, LocaleDecimalSeparator());
}

QString folderOf(const QString& path)
{
    return EnsureTrailingBackslash(path.left(path.size() - FileNamePart(path).size()));
}

} // namespace

AppContext ToolContext(const QString& appDir)
{
    AppContext context;
    context.AppDir = EnsureTrailingBackslash(QDir::toNativeSeparators(AbsolutePath(appDir)));
    context.EncoderPath = context.AppDir + QStringLiteral("wmaspi.dll");
    return context;
}

QString AbsolutePath(const QString& path)
{
    return path.isEmpty() ? path : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString DefaultProfileName(const AppContext& context)
{
    const QStringList files = ListFilesWithExtension(context.ProfileDir(), QStringLiteral(".apf"));
    if (files.isEmpty())
        return {};
    const std::int32_t saved = ReadProfileIndex(IniFile(context.PreferencesPath()));
    return NameWithoutExtension(files.value(saved, files.front()));
}

SplitSettings ResolveSplitSettings(const SplitOptions& options, const AppContext& context, std::int64_t durationMs)
{
    const Preferences preferences =
        ReadPreferences(IniFile(context.PreferencesPath()), PreferencesSection::Main, context.AppDir);

    SplitSettings settings;
    SplitInputs& inputs = settings.inputs;
    inputs.sourcePath = AbsolutePath(options.source);
    inputs.startText = options.start ? TimeArgumentText(*options.start) : SecondsToTimeCode(0);
    inputs.endText = options.end ? TimeArgumentText(*options.end) : wholeSourceEnd(durationMs);
    inputs.mode = options.sections ? SplitMode::EqualSections : SplitMode::OneClip;
    inputs.sectionText = options.sections.value_or(QString());
    settings.profileName = options.profile ? *options.profile : DefaultProfileName(context);
    inputs.profilePath = ProfilePath(context.ProfileDir(), settings.profileName);
    if (options.outputDir)
        inputs.outputDir = AbsolutePath(*options.outputDir);
    else
        inputs.outputDir = preferences.aptotic ? preferences.outputDir : folderOf(inputs.sourcePath);
    inputs.durationMs = durationMs;

    settings.choices = options.choices;
    settings.overwrite = options.overwrite;
    settings.fastSeek = options.fastSeek.value_or(preferences.fastSeek);
    return settings;
}
