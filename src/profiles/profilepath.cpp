#include "profiles/profilepath.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

QString ProfilePath(const QString& profileDir, const QString& name)
{
    const QString extension = QStringLiteral(".apf");
    const QString path = profileDir + name + extension;
#ifndef Q_OS_WIN
    if (!QFileInfo(path).isFile()) {
        for (const QString& file : ListFilesWithExtension(profileDir, extension)) {
            if (file.size() == name.size() + extension.size() && file.startsWith(name))
                return profileDir + file;
        }
    }
#endif
    return path;
}
