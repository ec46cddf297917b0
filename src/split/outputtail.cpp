#include "split/outputtail.h"

#include <QList>
#include <QStringList>

namespace {

constexpr qsizetype kKeptBytes = 16 * 1024;

} // namespace

void OutputTail::clear()
{
    m_bytes.clear();
    m_cut = false;
}

void OutputTail::append(QByteArrayView bytes)
{
    m_bytes.append(bytes);
    if (m_bytes.size() > kKeptBytes) {
        m_bytes.remove(0, m_bytes.size() - kKeptBytes);
        m_cut = true;
    }
}

QString OutputTail::lastLines(int count) const
{
    QList<QByteArray> lines = QByteArray(m_bytes).replace('\r', '\n').split('\n');
    // The first line of a cut tail is only the end of a line.
    if (m_cut && !lines.isEmpty())
        lines.removeFirst();
    QStringList kept;
    for (qsizetype i = lines.size() - 1; i >= 0 && kept.size() < count; --i) {
        QString line = QString::fromLocal8Bit(lines[i]);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (!line.trimmed().isEmpty())
            kept.prepend(line);
    }
    return kept.join(QLatin1Char('\n'));
}
