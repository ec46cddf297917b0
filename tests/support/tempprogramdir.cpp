#include "support/tempprogramdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempProgramDir::TempProgramDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary program folder");
}

QString TempProgramDir::appDir() const
{
    return QDir::toNativeSeparators(m_dir.path() + QLatin1Char('/'));
}

QString TempProgramDir::path(const QString& relative) const
{
    return QDir::toNativeSeparators(m_dir.filePath(relative));
}

void TempProgramDir::writeFile(const QString& relative, const QByteArray& content) const
{
    const QString full = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write a test file");
}

void TempProgramDir::makeFolder(const QString& relative) const
{
    QDir().mkpath(m_dir.filePath(relative));
}

void TempProgramDir::copyShippedProfiles() const
{
    makeFolder(QStringLiteral("Profiles"));
    const QDir shipped(QStringLiteral(BRINDLECUT_SOURCE_DIR "/data/Profiles"));
    for (const QFileInfo& info : shipped.entryInfoList(QDir::Files))
        QFile::copy(info.filePath(), m_dir.filePath(QStringLiteral("Profiles/") + info.fileName()));
}
