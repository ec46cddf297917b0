#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of a test's own: Profiles/, Preferences.ini and an encoder, as a user's install has them.
class TempProgramDir final
{
public:
    TempProgramDir();

    // The folder with its trailing separator, as AppDir.
    QString appDir() const;
    QString path(const QString& relative) const;

    void writeFile(const QString& relative, const QByteArray& content) const;
    void makeFolder(const QString& relative) const;
    // Copies the shipped profiles (data/Profiles) into Profiles/.
    void copyShippedProfiles() const;

private:
    QTemporaryDir m_dir;
};
