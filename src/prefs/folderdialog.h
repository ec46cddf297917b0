#pragma once

#include <QString>
#include <optional>

class QWidget;

// The platform's folder dialog, modal to the program while it is open. Tests install one that answers
// without showing anything.
class FolderDialog
{
public:
    virtual ~FolderDialog() = default;

    // The chosen folder's path, or nothing when the user cancelled. `initialFolder` is empty or a folder
    // that exists; `root` is empty for the platform's default.
    virtual std::optional<QString> choose(QWidget* owner, const QString& title, const QString& root,
                                          const QString& initialFolder) = 0;

    // The instance in force; the platform's dialog unless a test installed another.
    static FolderDialog& instance();
    // Installs `dialog` (not owned); nullptr puts the platform's dialog back.
    static void install(FolderDialog* dialog);
};
