#pragma once

#include <QString>
#include <QStringList>

inline const QString kProgramName = QStringLiteral("Brindlecut");
inline const QString kDefaultVersionText = QStringLiteral("1.8");

// What every window reads about the program: set once while the main window is created.
struct AppContext
{
    QString AppDir;      // the executable's folder, ending with the folder separator
    QString EncoderPath; // AppDir + "wmaspi.dll"
    QString ProgramName = kProgramName;
    QString VersionText = kDefaultVersionText;
    QStringList SupportedExts;

    QString ProfileDir() const { return AppDir + QStringLiteral("Profiles") + separator(); }
    QString PreferencesPath() const { return AppDir + QStringLiteral("Preferences.ini"); }

private:
    QString separator() const { return AppDir.isEmpty() ? QStringLiteral("/") : AppDir.right(1); }
};
