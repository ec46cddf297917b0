#include "app/sourceintake.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The first line of a text file: up to the first carriage return or line feed.
QString FirstLineOfListFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BrindlecutError(QStringLiteral("Unable to read the list file %1.").arg(path));
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        throw BrindlecutError(QStringLiteral("The list file %1 holds no line.").arg(path));
    qsizetype end = content.indexOf('\r');
    const qsizetype lineFeed = content.indexOf('\n');
    if (end < 0 || (lineFeed >= 0 && lineFeed < end))
        end = lineFeed;
    return QString::fromLocal8Bit(end < 0 ? content : content.left(end));
}

QString MadeAbsolute(const QString& path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    // Joined, not cleaned: the name stays as it was given.
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

} // namespace

QString CommandLineSource(const QStringList& arguments)
{
    const QString argument = arguments.value(0);
    const bool listFile = HasSupportedExtension(argument, {QStringLiteral(".tmp")});
    return MadeAbsolute(listFile ? FirstLineOfListFile(argument) : argument);
}

bool IsLoadableSource(const QString& path, const QStringList& supportedExts)
{
    return HasSupportedExtension(path, supportedExts) && QFileInfo(path).isFile();
}
