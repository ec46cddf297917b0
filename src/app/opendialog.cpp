#include "app/opendialog.h"

#include <QDir>
#include <QFileDialog>

namespace {

OpenDialog::Chooser& installedChooser()
{
    static OpenDialog::Chooser chooser;
    return chooser;
}

// "*.avi" becomes "*.[aA][vV][iI]".
QString AnyCasePattern(const QString& pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    QString result;
    for (const QChar c : pattern) {
        const char ascii = c.toLatin1();
        if ((ascii >= 'a' && ascii <= 'z') || (ascii >= 'A' && ascii <= 'Z')) {
            const QChar lower = QLatin1Char(static_cast<char>(ascii | 0x20));
            const QChar upper = QLatin1Char(static_cast<char>(ascii & ~0x20));
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

QString OpenDialog::Execute(QWidget* owner, const QString& filter)
{
    const QStringList nameFilters = FileDialogNameFilters(filter);
    if (installedChooser())
        return installedChooser()(owner, nameFilters);

    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The descriptions already name their patterns; the case-blind ones stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

void OpenDialog::setChooser(Chooser chooser)
{
    installedChooser() = std::move(chooser);
}

QStringList FileDialogNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns.append(AnyCasePattern(pattern));
        nameFilters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return nameFilters;
}
