#pragma once

#include <QString>
#include <cstdint>

class IniFile;

// The preferences kept in Preferences.ini. A key that is absent, or a boolean that is no whole number,
// reads as the default here.
struct Preferences
{
    bool preview = true;
    bool overwrite = true;
    bool aptotic = true; // the fixed output folder is in use
    QString outputDir;   // read as AppDir when absent
    bool autoOpenDir = true;
    bool autoExit = true;
    bool autoTurnOff = true;
    bool fastSeek = false; // the encoder seeks to each piece instead of decoding up to it
};

// "Main" is read and written; "Default" holds factory values that are only ever read.
enum class PreferencesSection
{
    Main,
    Default,
};

Preferences ReadPreferences(const IniFile& file, PreferencesSection section, const QString& appDir);

// The saved position in the main window's profile list, always from "Main"; 0 when absent.
std::int32_t ReadProfileIndex(const IniFile& file);

// Writes every preference and the profile position to "Main", one key after the other. A refused write
// throws IniWriteError and leaves the keys after it unwritten.
void WritePreferences(IniFile& file, const Preferences& preferences, std::int32_t profileIndex);
