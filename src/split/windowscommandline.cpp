#include "split/windowscommandline.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QStringList SplitWindowsCommandLine(QStringView text)
{
    const QChar quote = QLatin1Char('"');
    const QChar backslash = QLatin1Char('\\');
    QStringList arguments;
    QString current;
    bool started = false; // so that "" gives an empty argument
    bool quoted = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c == backslash) {
            qsizetype end = i;
            while (end < n && text[end] == backslash)
                ++end;
            const qsizetype count = end - i;
            started = true;
            if (end < n && text[end] == quote) {
                current += QString(count / 2, backslash);
                if (count % 2 == 1) {
                    current += quote;
                    ++end;
                }
            } else {
                current += QString(count, backslash);
            }
            i = end;
        } else if (c == quote) {
            started = true;
            if (quoted && i + 1 < n && text[i + 1] == quote) {
                current += quote;
                quoted = false;
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
        } else if (isBlank(c) && !quoted) {
            if (started)
                arguments.append(current);
            current.clear();
            started = false;
            ++i;
        } else {
            current += c;
            started = true;
            ++i;
        }
    }
    if (started)
        arguments.append(current);
    return arguments;
}
