#include "platform/paths.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

bool isFolderSeparator(QChar c, PathStyle style)
{
    if (style == PathStyle::Windows)
        return c == QLatin1Char('\\') || c == QLatin1Char('/');
    return c == QLatin1Char('/');
}

// Where the folder part ends: in the Windows style a drive colon ends it as well as a separator.
bool endsFolderPart(QChar c, PathStyle style)
{
    return isFolderSeparator(c, style) || (style == PathStyle::Windows && c == QLatin1Char(':'));
}

qsizetype fileNameStart(const QString& path, PathStyle style)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        if (endsFolderPart(path[i - 1], style))
            return i;
    }
    return 0;
}

QString asciiLower(QString text)
{
    for (QChar& c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}

} // namespace

PathStyle NativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QChar FolderSeparator(PathStyle style)
{
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

QString EnsureTrailingBackslash(const QString& path, PathStyle style)
{
    if (!path.isEmpty() && isFolderSeparator(path.back(), style))
        return path;
    return path + FolderSeparator(style);
}

QString NameWithoutExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString FileNamePart(const QString& path, PathStyle style)
{
    return path.mid(fileNameStart(path, style));
}

QString ExtensionOf(const QString& path, PathStyle style)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < fileNameStart(path, style))
        return {};
    return path.mid(dot);
}

bool HasSupportedExtension(const QString& path, const QStringList& extensions, PathStyle style)
{
    const QString extension = asciiLower(ExtensionOf(path, style));
    return !extension.isEmpty() && extensions.contains(extension);
}

QStringList ListFilesWithExtension(const QString& folder, const QString& extension)
{
    const QString wanted = asciiLower(extension);
    QStringList names;
    // Without QDir::Hidden and QDir::System, hidden files, sockets, pipes and devices stay out.
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (!entry.isFile() || entry.isHidden() || name.startsWith(QLatin1Char('.')))
            continue;
        if (asciiLower(ExtensionOf(name)) == wanted)
            names.append(name);
    }

    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        // Names equal but for case still need a fixed order.
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
