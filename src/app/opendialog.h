#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The "Open Video" dialog: no initial folder, the first filter selected, and any file name accepted, whether
// or not it names a file. Tests answer it through a chooser of their own.
class OpenDialog final
{
public:
    // Gets the owner and the dialog's name filters; returns the chosen file name, or the empty text to cancel.
    using Chooser = std::function<QString(QWidget* owner, const QStringList& nameFilters)>;

    // `filter` is in the "description|patterns|..." form. Returns the chosen file name, empty when cancelled.
    static QString Execute(QWidget* owner, const QString& filter);
    // An empty chooser puts the real dialog back.
    static void setChooser(Chooser chooser);
};

// A "description|patterns|..." filter as file dialog name filters, "description (patterns)". Every pattern
// matches its extension in any case, since the dialog compares names case-sensitively where the file system
// does, and "*.*" matches every file, names without a dot included.
QStringList FileDialogNameFilters(const QString& filter);
