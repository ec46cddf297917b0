#include "prefs/browseforfolder.h"

#include "platform/paths.h"
#include "prefs/folderdialog.h"

#include <QFileInfo>

bool BrowseForFolder(QWidget* owner, const QString& title, const QString& root, QString& folder)
{
    if (!QFileInfo(folder).isDir())
        folder.clear();
    const std::optional<QString> chosen = FolderDialog::instance().choose(owner, title, root, folder);
    if (!chosen || chosen->isEmpty())
        return false;
    folder = *chosen;
    return true;
}

std::optional<QString> ChooseOutputFolder(QWidget* owner)
{
    QString folder;
    if (!BrowseForFolder(owner, QStringLiteral("Select the output directory."), QString(), folder))
        return std::nullopt;
    return EnsureTrailingBackslash(folder);
}
