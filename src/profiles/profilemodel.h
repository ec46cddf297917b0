#pragma once

#include "profiles/profilegrid.h"
#include "profiles/showntextsource.h"
#include "widgets/valuelistrows.h"

#include <QString>

// The profile editor's current choices, free of any window: the rows of its video, audio and advanced grids
// and the output extension of the profile last loaded. The editor window shows and edits these rows; the
// switch builder reads them through ShownText.
class ProfileModel final : public ShownTextSource
{
public:
    // The grids start with the rows the editor was laid out for, all values empty.
    ProfileModel();

    ValueListRows& Rows(ProfileGrid grid);
    const ValueListRows& Rows(ProfileGrid grid) const;

    // "." and the "Type" of the profile last loaded; empty until one is.
    const QString& OutputExt() const { return m_outputExt; }

    // Fills the grids from the profile and sets OutputExt; false, with nothing changed, when there is no such
    // file. A parameter the grids cannot take throws ListIndexError or RowNameError, and the rows loaded before
    // it stay.
    bool LoadProfile(const QString& path);
    // Writes the choices of the editable parameters into the profile. A refused write throws IniWriteError;
    // keys written before it stay written.
    void SaveProfile(const QString& path);
    // SaveProfile with a custom video size stored as the "Original Size" choice, which only the grid keeps.
    // False, with nothing written, when there is no such file.
    bool SaveChoices(const QString& path);
    // Copies the profile to `target`, replacing a file there, and writes the choices into the copy as
    // SaveChoices does. Nothing happens when `source` does not exist.
    void SaveProfileAs(const QString& source, const QString& target);

    QString ShownText(ProfileGrid grid, const QString& rowName) const override;

    // Changes what a row shows as the editor lets a user change it: a pick-list row takes one of its items
    // (without regard to case) or, for "Video Size" with a "Custom Size" item, a custom size such as
    // "640x480"; an editable plain row takes any text; a read-only plain row nothing. False when refused.
    bool ChooseShownText(ProfileGrid grid, const QString& rowName, const QString& text);

private:
    void writeChoices(const QString& path);

    ValueListRows m_video;
    ValueListRows m_audio;
    ValueListRows m_advanced;
    QString m_outputExt;
};
