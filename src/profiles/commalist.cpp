#include "profiles/commalist.h"

QStringList SplitCommaList(const QString& text)
{
    QStringList items;
    qsizetype start = 0;
    for (qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0; comma = text.indexOf(QLatin1Char(','), start)) {
        items.append(text.mid(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::optional<int> FindCaption(const QStringList& captions, const QString& text)
{
    for (int i = 0; i < captions.size(); ++i) {
        if (QString::compare(captions[i], text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}
