#include "prefs/folderdialog.h"

#include <QDir>
#include <QFileDialog>

namespace {

class PlatformFolderDialog final : public FolderDialog
{
public:
    std::optional<QString> choose(QWidget* owner, const QString& title, const QString& root,
                                  const QString& initialFolder) override
    {
        // The dialog has no tree top of its own: a root only says where it opens when no folder is preselected.
        const QString start = initialFolder.isEmpty() ? root : initialFolder;
        const QString chosen = QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
        if (chosen.isEmpty())
            return std::nullopt;
        return QDir::toNativeSeparators(chosen);
    }
};

FolderDialog* g_installed = nullptr;

} // namespace

FolderDialog& FolderDialog::instance()
{
    static PlatformFolderDialog platformDialog;
    return g_installed ? *g_installed : platformDialog;
}

void FolderDialog::install(FolderDialog* dialog)
{
    g_installed = dialog;
}
