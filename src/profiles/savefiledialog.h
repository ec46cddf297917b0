#pragma once

#include <QString>
#include <optional>

class QWidget;

// The save-file dialog: a filter, a default extension added to a name typed without one, no starting
// folder. Tests answer it with SetNextFileName, so no dialog shows.
class SaveFileDialog final
{
public:
    // `filter` in the file dialog's form ("Profiles (*.apf)"); `defaultExtension` with its dot.
    SaveFileDialog(QString filter, QString defaultExtension);

    const QString& filter() const { return m_filter; }
    const QString& defaultExtension() const { return m_defaultExtension; }

    // The chosen path; none when the user cancels.
    std::optional<QString> Execute(QWidget* owner) const;

    // The next Execute answers `fileName` (none: cancel) without showing a dialog.
    static void SetNextFileName(std::optional<QString> fileName);

private:
    QString m_filter;
    QString m_defaultExtension;
};
