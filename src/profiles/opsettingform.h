#pragma once

#include "platform/appcontext.h"
#include "profiles/profilemodel.h"
#include "profiles/savefiledialog.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class TopSettingForm;
}
class QPushButton;
class ValueListEditor;

// The profile editor. Its grids hold the current choice of every profile parameter, saved or not, for the
// next job; loading a profile into it sets OutputExt. Closing only hides it, and it leaves the main window
// usable.
class TopSettingForm final : public QDialog
{
    Q_OBJECT

public:
    // `profileNames` is the main window's profile list, copied in the same order; nothing is selected.
    TopSettingForm(const AppContext& context, QWidget* mainWindow, const QStringList& profileNames);
    ~TopSettingForm() override;

    ProfileModel& model() { return m_model; }
    const ProfileModel& model() const { return m_model; }

    // The extension of the output files: "." and the "Type" of the profile last loaded; empty before.
    const QString& OutputExt() const { return m_model.OutputExt(); }
    // Appends the switches of the profile at `profilePath`, with the choices the grids show now, to
    // `switchText`. Throws ListIndexError when a chosen caption has no value.
    void BuildProfileSwitches(const QString& profilePath, QString& switchText) const;

    // Fills the grids from the profile and fits their heights; throws as ProfileModel::LoadProfile does,
    // leaving the heights as they were.
    void LoadProfile(const QString& path);

    // The position chosen in the editor's own profile list; -1 when none.
    int ProfileIndex() const;
    // Selects a position in the list, as code does: no change handling runs.
    void SelectProfile(int index);
    // The list's change handling: loads the chosen profile when its file exists.
    void cmbProfileChange();

Q_SIGNALS:
    // The user chose "Custom Size" for "Video Size": the size dialog is to ask for it.
    void CustomSizeChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    void Button2Click();
    void btnSaveAsClick();
    void sectionButtonClick(QPushButton* button, ValueListEditor* grid);
    void gridMouseDown();
    void vleVideoStringsChange();

    QString selectedProfilePath() const;
    ValueListEditor* grid(ProfileGrid which) const;
    void showError(const QString& text);

    const AppContext& m_context;
    QWidget* m_mainWindow;
    std::unique_ptr<Ui::TopSettingForm> m_ui;
    ProfileModel m_model;
    SaveFileDialog m_saveDialog1;
};
