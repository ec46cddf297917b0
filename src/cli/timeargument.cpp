#include "cli/timeargument.h"

#include "platform/numbers.h"

QString TimeArgumentText(const QString& argument)
{
    QString text = argument.contains(QLatin1Char(':')) ? argument : QStringLiteral("0:0:") + argument;
    // Scripts write the point; the job reads the user's separator.
    text.replace(QLatin1Char('.'), LocaleDecimalSeparator());
    return text;
}
