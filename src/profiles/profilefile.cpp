#include "profiles/profilefile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString kMain = QStringLiteral("Main");

} // namespace

ProfileFile::ProfileFile(const QString& path) : m_ini(path) {}

bool ProfileFile::exists() const
{
    return QFileInfo(m_ini.FileName()).isFile();
}

QString ProfileFile::OutputExt() const
{
    return QLatin1Char('.') + m_ini.ReadString(kMain, QStringLiteral("Type"), QStringLiteral("mp4"));
}

std::int32_t ProfileFile::ParameterCount() const
{
    return std::max(0, m_ini.ReadInteger(kMain, QStringLiteral("Para"), 0));
}

ProfileParameter ProfileFile::Parameter(std::int32_t position) const
{
    ProfileParameter parameter;
    parameter.section = m_ini.ReadString(kMain, QString::number(position), QString());
    // A missing numbered key names no section: none of its keys are read.
    if (parameter.section.isEmpty())
        return parameter;
    const QString& section = parameter.section;
    parameter.grid = GridForSort(m_ini.ReadInteger(section, QStringLiteral("Sort"), -1));
    parameter.readOnly = m_ini.ReadBool(section, QStringLiteral("ReadOnly"), false);
    parameter.cmd = m_ini.ReadString(section, QStringLiteral("cmd"), QString());
    parameter.list = m_ini.ReadBool(section, QStringLiteral("List"), true);
    parameter.caption = m_ini.ReadString(section, QStringLiteral("Caption"), QString());
    parameter.value = m_ini.ReadString(section, QStringLiteral("Value"), QString());
    parameter.index = m_ini.ReadInteger(section, QStringLiteral("Index"), 0);
    return parameter;
}

void ProfileFile::WriteIndex(const QString& section, std::int32_t index)
{
    m_ini.WriteInteger(section, QStringLiteral("Index"), index);
}

void ProfileFile::WriteFreeValue(const QString& section, const QString& value)
{
    m_ini.WriteString(section, QStringLiteral("Caption"), value);
    m_ini.WriteString(section, QStringLiteral("Value"), value);
}
