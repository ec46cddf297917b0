#include "profiles/videosize.h"

#include "platform/numbers.h"

bool IsCustomVideoSize(const QString& text)
{
    // Hexadecimal numbers may hold an "x" themselves ("x280x480"): any split that gives two numbers counts.
    for (qsizetype x = text.indexOf(QLatin1Char('x')); x >= 0; x = text.indexOf(QLatin1Char('x'), x + 1)) {
        if (ParseInteger(QStringView(text).left(x)) && ParseInteger(QStringView(text).mid(x + 1)))
            return true;
    }
    return false;
}
