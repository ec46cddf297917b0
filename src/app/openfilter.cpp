#include "app/openfilter.h"

QString BuildOpenDialogFilter(const QStringList& extensions)
{
    QString perExtension;
    QString patterns;
    for (const QString& extension : extensions) {
        const QString upper = extension.mid(1).toUpper();
        perExtension +=
            upper + QStringLiteral(" Files (*") + extension + QStringLiteral(")|*") + extension + QLatin1Char('|');
        patterns += QLatin1Char('*') + extension + QLatin1Char(';');
    }
    return QStringLiteral("All Support Files(") + patterns + QStringLiteral(")|") + patterns + QLatin1Char('|') +
           perExtension + QStringLiteral("All Files (*.*)|*.*");
}
