#include "platform/inifile.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr qsizetype kMaxValueLength = 2047;

enum class LineKind
{
    Other, // blank, comment, or text without "="
    Section,
    Key,
};

// One line of the file as byte offsets into its content, with what it means.
struct IniLine
{
    qsizetype textEnd = 0; // first byte of the line ending (or the end of the content)
    qsizetype end = 0;     // first byte after the line ending
    LineKind kind = LineKind::Other;
    QString name;             // the section or key name, without surrounding blanks
    qsizetype valueStart = 0; // key lines: the first byte after "="
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipBlanks(const QByteArray& content, qsizetype from, qsizetype to)
{
    while (from < to && isBlank(content[from]))
        ++from;
    return from;
}

qsizetype trimBlanksBack(const QByteArray& content, qsizetype from, qsizetype to)
{
    while (to > from && isBlank(content[to - 1]))
        --to;
    return to;
}

QString trimmedText(const QByteArray& content, qsizetype from, qsizetype to)
{
    from = skipBlanks(content, from, to);
    to = trimBlanksBack(content, from, to);
    return QString::fromUtf8(content.constData() + from, to - from);
}

bool hasByteOrderMark(const QByteArray& content)
{
    return content.startsWith("\xEF\xBB\xBF");
}

void classify(const QByteArray& content, IniLine& line, qsizetype textStart)
{
    const qsizetype first = skipBlanks(content, textStart, line.textEnd);
    if (first == line.textEnd || content[first] == ';')
        return;
    if (content[first] == '[') {
        qsizetype close = line.textEnd;
        while (close > first && content[close - 1] != ']')
            --close;
        // A "[" without a closing "]" is no header; it is read like any other line.
        if (close > first) {
            line.kind = LineKind::Section;
            line.name = trimmedText(content, first + 1, close - 1);
            return;
        }
    }
    const qsizetype equals = content.indexOf('=', first);
    if (equals < 0 || equals >= line.textEnd)
        return;
    line.kind = LineKind::Key;
    line.name = trimmedText(content, first, equals);
    line.valueStart = equals + 1;
}

// Lines end with LF, CRLF or a lone CR.
std::vector<IniLine> parseLines(const QByteArray& content)
{
    std::vector<IniLine> lines;
    const qsizetype size = content.size();
    qsizetype pos = 0;
    while (pos < size) {
        IniLine line;
        qsizetype i = pos;
        while (i < size && content[i] != '\n' && content[i] != '\r')
            ++i;
        line.textEnd = i;
        if (i < size && content[i] == '\r' && i + 1 < size && content[i + 1] == '\n')
            i += 2;
        else if (i < size)
            ++i;
        line.end = i;
        const qsizetype textStart = (pos == 0 && hasByteOrderMark(content)) ? 3 : pos;
        classify(content, line, textStart);
        lines.push_back(std::move(line));
        pos = i;
    }
    return lines;
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The lines of the first section of that name: [first, last) indexes the lines after its header.
struct SectionRange
{
    std::size_t header = 0;
    std::size_t first = 0;
    std::size_t last = 0;
};

std::optional<SectionRange> findSection(const std::vector<IniLine>& lines, const QString& section)
{
    const QString wanted = section.trimmed();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !sameName(lines[i].name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].kind != LineKind::Section)
            ++end;
        return SectionRange{i, i + 1, end};
    }
    return std::nullopt;
}

const IniLine* findKey(const std::vector<IniLine>& lines, const SectionRange& range, const QString& key)
{
    const QString wanted = key.trimmed();
    for (std::size_t i = range.first; i < range.last; ++i) {
        if (lines[i].kind == LineKind::Key && sameName(lines[i].name, wanted))
            return &lines[i];
    }
    return nullptr;
}

QString valueOf(const QByteArray& content, const IniLine& line)
{
    QString value = trimmedText(content, line.valueStart, line.textEnd);
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    if (value.size() > kMaxValueLength) {
        value.truncate(kMaxValueLength);
        // Never leave half of a surrogate pair behind.
        if (value.back().isHighSurrogate())
            value.chop(1);
    }
    return value;
}

QByteArray lineEndingOf(const QByteArray& content)
{
    const qsizetype i = content.indexOf('\n');
    const qsizetype cr = content.indexOf('\r');
    if (cr >= 0 && (i < 0 || cr < i))
        return cr + 1 == i ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    if (i >= 0)
        return QByteArrayLiteral("\n");
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

// The content with one key set, every other byte kept.
QByteArray withValue(const QByteArray& content, const QString& section, const QString& key, const QString& value)
{
    const std::vector<IniLine> lines = parseLines(content);
    const QByteArray eol = lineEndingOf(content);
    const QByteArray keyLine = key.trimmed().toUtf8() + '=' + value.toUtf8();

    const std::optional<SectionRange> range = findSection(lines, section);
    if (!range) {
        QByteArray result = content;
        if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
            result += eol;
        return result + '[' + section.trimmed().toUtf8() + ']' + eol + keyLine + eol;
    }

    if (const IniLine* line = findKey(lines, *range, key)) {
        // Blanks after "=" stay, unless there is no value after them.
        qsizetype from = skipBlanks(content, line->valueStart, line->textEnd);
        if (from == line->textEnd)
            from = line->valueStart;
        QByteArray result = content;
        return result.replace(from, line->textEnd - from, value.toUtf8());
    }

    const IniLine* anchor = &lines[range->header];
    for (std::size_t i = range->first; i < range->last; ++i) {
        if (lines[i].kind == LineKind::Key)
            anchor = &lines[i];
    }
    QByteArray result = content;
    if (anchor->end == anchor->textEnd) // the last line of a file without a final line ending
        return result.insert(anchor->end, eol + keyLine);
    return result.insert(anchor->end, keyLine + eol);
}

// QSaveFile would replace a read-only file by renaming over it; a file without any write permission
// is refused as the platform refuses it, whoever runs the program.
bool writeRefused(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // The mode bits themselves: WriteUser says what the current user may do, and root may do anything.
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

void IniFile::load() const
{
    if (m_loaded)
        return;
    QFile file(m_path);
    m_content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    m_loaded = true;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    load();
    const std::vector<IniLine> lines = parseLines(m_content);
    const std::optional<SectionRange> range = findSection(lines, section);
    if (!range)
        return defaultValue;
    const IniLine* line = findKey(lines, *range, key);
    return line ? valueOf(m_content, *line) : defaultValue;
}

std::int32_t IniFile::ReadInteger(const QString& section, const QString& key, std::int32_t defaultValue) const
{
    // An absent key reads as the empty text, which is no integer either.
    return ParseInteger(ReadString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::SectionExists(const QString& section) const
{
    load();
    return findSection(parseLines(m_content), section).has_value();
}

bool IniFile::ValueExists(const QString& section, const QString& key) const
{
    load();
    const std::vector<IniLine> lines = parseLines(m_content);
    const std::optional<SectionRange> range = findSection(lines, section);
    return range && findKey(lines, *range, key);
}

QStringList IniFile::ReadSection(const QString& section) const
{
    load();
    const std::vector<IniLine> lines = parseLines(m_content);
    QStringList keys;
    const std::optional<SectionRange> range = findSection(lines, section);
    if (!range)
        return keys;
    for (std::size_t i = range->first; i < range->last; ++i) {
        if (lines[i].kind == LineKind::Key && !keys.contains(lines[i].name, Qt::CaseInsensitive))
            keys.append(lines[i].name);
    }
    return keys;
}

QStringList IniFile::ReadSections() const
{
    load();
    QStringList sections;
    for (const IniLine& line : parseLines(m_content)) {
        if (line.kind == LineKind::Section && !sections.contains(line.name, Qt::CaseInsensitive))
            sections.append(line.name);
    }
    return sections;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    load();
    const QByteArray updated = withValue(m_content, section, key, value);
    if (writeRefused(m_path))
        throw IniWriteError(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(updated) != updated.size() || !file.commit())
        throw IniWriteError(m_path);
    m_content = updated;
}

void IniFile::WriteInteger(const QString& section, const QString& key, std::int32_t value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
