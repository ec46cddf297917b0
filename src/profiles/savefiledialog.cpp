#include "profiles/savefiledialog.h"

#include "platform/paths.h"

#include <QFileDialog>
#include <utility>

namespace {

std::optional<std::optional<QString>> g_nextFileName;

} // namespace

SaveFileDialog::SaveFileDialog(QString filter, QString defaultExtension)
    : m_filter(std::move(filter)), m_defaultExtension(std::move(defaultExtension))
{}

std::optional<QString> SaveFileDialog::Execute(QWidget* owner) const
{
    if (g_nextFileName) {
        std::optional<QString> answer = *g_nextFileName;
        g_nextFileName.reset();
        if (answer && ExtensionOf(*answer).isEmpty())
            *answer += m_defaultExtension;
        return answer;
    }
    QFileDialog dialog(owner, QString(), QString(), m_filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(m_defaultExtension.mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

void SaveFileDialog::SetNextFileName(std::optional<QString> fileName)
{
    g_nextFileName = std::move(fileName);
}
