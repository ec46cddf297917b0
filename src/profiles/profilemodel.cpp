#include "profiles/profilemodel.h"

#include "profiles/commalist.h"
#include "profiles/listindexerror.h"
#include "profiles/profilefile.h"
#include "profiles/videosize.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

using EditStyle = ValueListRows::EditStyle;

void appendInitialRows(ValueListRows& rows, const QStringList& names)
{
    for (const QString& name : names)
        rows.AppendRow(name, QString());
}

void deleteAllRows(ValueListRows& rows)
{
    for (int row = rows.RowCount() - 1; row >= 0; --row)
        rows.DeleteRow(row);
}

// Replaces the target as the platform's file copy does; false when the copy could not be made. A target
// without write permission is refused, as the platform refuses it.
bool copyFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = in.readAll();
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && (!targetInfo.isFile() || !targetInfo.isWritable()))
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit();
}

} // namespace

ProfileModel::ProfileModel()
{
    appendInitialRows(m_video,
                      {QStringLiteral("Video Codec"), kVideoSizeRow, QStringLiteral("Bit Rate"),
                       QStringLiteral("Frame Rate"), QStringLiteral("Aspect"), QStringLiteral("Disable Video")});
    appendInitialRows(m_audio,
                      {QStringLiteral("Audio Codec"), QStringLiteral("Audio Bitrate"), QStringLiteral("Sample Rate"),
                       QStringLiteral("Channels"), QStringLiteral("Volumn"), QStringLiteral("Disable Audio")});
    appendInitialRows(m_advanced, {QStringLiteral("Bit Exact Algorithms"), QStringLiteral("Deinterlace")});
}

ValueListRows& ProfileModel::Rows(ProfileGrid grid)
{
    switch (grid) {
    case ProfileGrid::Video:
        return m_video;
    case ProfileGrid::Audio:
        return m_audio;
    case ProfileGrid::Advanced:
        break;
    }
    return m_advanced;
}

const ValueListRows& ProfileModel::Rows(ProfileGrid grid) const
{
    return const_cast<ProfileModel*>(this)->Rows(grid);
}

bool ProfileModel::LoadProfile(const QString& path)
{
    const ProfileFile file(path);
    if (!file.exists())
        return false;
    for (ProfileGrid grid : kProfileGrids)
        deleteAllRows(Rows(grid));
    m_outputExt = file.OutputExt();

    const std::int32_t count = file.ParameterCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const ProfileParameter parameter = file.Parameter(i);
        // A parameter without a section is a list without captions.
        if (parameter.section.isEmpty())
            throw ListIndexError(0);
        if (!parameter.grid)
            continue;
        ValueListRows& rows = Rows(*parameter.grid);
        const int row = rows.AppendRow(parameter.section, QString());
        rows.SetReadOnly(row, parameter.readOnly);
        if (!parameter.list) {
            rows.SetValue(row, parameter.caption);
            continue;
        }
        const QStringList captions = SplitCommaList(parameter.caption);
        rows.SetEditStyle(row, EditStyle::PickList);
        rows.SetPickList(row, captions);
        if (parameter.index < 0 || parameter.index >= captions.size())
            throw ListIndexError(parameter.index);
        rows.SetValue(row, captions[parameter.index]);
        // Blocks typing, not choosing from the list.
        rows.SetReadOnly(row, true);
    }
    return true;
}

void ProfileModel::SaveProfile(const QString& path)
{
    ProfileFile file(path);
    const std::int32_t count = file.ParameterCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const ProfileParameter parameter = file.Parameter(i);
        if (parameter.section.isEmpty() || !parameter.grid || parameter.readOnly)
            continue;
        const ValueListRows& rows = Rows(*parameter.grid);
        const int row = rows.FindRow(parameter.section);
        // Without its row, or with a shown text that is no caption, a parameter keeps what the file holds:
        // a position no later load could use is never stored.
        if (row < 0)
            continue;
        if (!parameter.list) {
            file.WriteFreeValue(parameter.section, rows.Value(row));
        } else if (const std::optional<int> position = FindCaption(rows.PickList(row), rows.Value(row))) {
            file.WriteIndex(parameter.section, *position);
        }
    }
}

void ProfileModel::writeChoices(const QString& path)
{
    const int row = m_video.FindRow(kVideoSizeRow);
    if (row < 0) {
        SaveProfile(path);
        return;
    }
    const QString shown = m_video.Value(row);
    m_video.SetValue(row, kOriginalSize);
    // The shown size stays in force whether or not the write succeeds.
    struct Restore
    {
        ValueListRows& rows;
        int row;
        const QString& shown;
        ~Restore() { rows.SetValue(row, shown); }
    } restore{m_video, row, shown};
    SaveProfile(path);
}

bool ProfileModel::SaveChoices(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    writeChoices(path);
    return true;
}

void ProfileModel::SaveProfileAs(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        return;
    // As with the platform's copy, a failed copy does not stop the write: the target gets the choices if it
    // can take them.
    copyFile(source, target);
    writeChoices(target);
}

QString ProfileModel::ShownText(ProfileGrid grid, const QString& rowName) const
{
    return Rows(grid).ValueOf(rowName);
}

bool ProfileModel::ChooseShownText(ProfileGrid grid, const QString& rowName, const QString& text)
{
    ValueListRows& rows = Rows(grid);
    const int row = rows.FindRow(rowName);
    if (row < 0)
        return false;
    if (rows.Style(row) == EditStyle::PickList) {
        const QStringList& captions = rows.PickList(row);
        if (const std::optional<int> position = FindCaption(captions, text)) {
            rows.SetValue(row, captions[*position]);
            return true;
        }
        const bool customSize = grid == ProfileGrid::Video && rows.Name(row) == kVideoSizeRow &&
                                captions.contains(kCustomSize) && IsCustomVideoSize(text);
        if (customSize)
            rows.SetValue(row, text);
        return customSize;
    }
    if (rows.ReadOnly(row))
        return false;
    rows.SetValue(row, text);
    return true;
}
