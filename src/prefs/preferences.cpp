#include "prefs/preferences.h"

#include "platform/inifile.h"

namespace {

const QString kPreview = QStringLiteral("Preview");
const QString kOverwrite = QStringLiteral("Overwrite");
const QString kAptotic = QStringLiteral("Aptotic");
const QString kOutputDir = QStringLiteral("Output Dir");
const QString kAutoOpenDir = QStringLiteral("Auto Open Dir");
const QString kAutoExit = QStringLiteral("Auto Exit");
const QString kAutoTurnOff = QStringLiteral("Auto Turn Off");
const QString kFastSeek = QStringLiteral("Fast Seek");
const QString kProfile = QStringLiteral("Profile");

QString SectionName(PreferencesSection section)
{
    return section == PreferencesSection::Default ? QStringLiteral("Default") : QStringLiteral("Main");
}

} // namespace

Preferences ReadPreferences(const IniFile& file, PreferencesSection section, const QString& appDir)
{
    const QString name = SectionName(section);
    const Preferences absent;
    Preferences read;
    read.preview = file.ReadBool(name, kPreview, absent.preview);
    read.overwrite = file.ReadBool(name, kOverwrite, absent.overwrite);
    read.aptotic = file.ReadBool(name, kAptotic, absent.aptotic);
    read.outputDir = file.ReadString(name, kOutputDir, appDir);
    read.autoOpenDir = file.ReadBool(name, kAutoOpenDir, absent.autoOpenDir);
    read.autoExit = file.ReadBool(name, kAutoExit, absent.autoExit);
    read.autoTurnOff = file.ReadBool(name, kAutoTurnOff, absent.autoTurnOff);
    read.fastSeek = file.ReadBool(name, kFastSeek, absent.fastSeek);
    return read;
}

std::int32_t ReadProfileIndex(const IniFile& file)
{
    return file.ReadInteger(SectionName(PreferencesSection::Main), kProfile, 0);
}

void WritePreferences(IniFile& file, const Preferences& preferences, std::int32_t profileIndex)
{
    const QString name = SectionName(PreferencesSection::Main);
    file.WriteBool(name, kPreview, preferences.preview);
    file.WriteBool(name, kOverwrite, preferences.overwrite);
    file.WriteBool(name, kAptotic, preferences.aptotic);
    file.WriteString(name, kOutputDir, preferences.outputDir);
    file.WriteBool(name, kAutoOpenDir, preferences.autoOpenDir);
    file.WriteBool(name, kAutoExit, preferences.autoExit);
    file.WriteBool(name, kAutoTurnOff, preferences.autoTurnOff);
    file.WriteBool(name, kFastSeek, preferences.fastSeek);
    file.WriteInteger(name, kProfile, profileIndex);
}
