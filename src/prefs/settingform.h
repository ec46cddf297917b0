#pragma once

#include "platform/appcontext.h"
#include "prefs/mainwindowcontrols.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TSettingForm;
}
struct Preferences;

// The Settings window. Its check boxes are the preferences in force: other windows read them through the
// accessors below when they need them, and Preferences.ini follows them on OK and when the main window closes.
class TSettingForm final : public QDialog
{
    Q_OBJECT

public:
    TSettingForm(const AppContext& context, QWidget* mainWindow, const MainWindowControls& mainControls);
    ~TSettingForm() override;

    bool overwrite() const; // overwrite output files that exist without asking
    bool openDir() const;   // open the output folder when a job is done
    bool autoExit() const;  // exit when a job is done
    bool turnOff() const;   // power off when a job is done; wins over autoExit
    bool fastSeek() const;  // the encoder seeks to each piece instead of decoding up to it

    // Fills the controls from "Default" or "Main", and selects the profile saved in "Main" in the main window.
    void LoadPreferences(bool FromDefaults);
    // Writes the controls and the main window's profile selection to "Main"; throws IniWriteError.
    void SavePreferences();
    // SavePreferences, a refused write shown in an error box owned by `owner`. False when the save failed.
    bool TrySavePreferences(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void btnOKClick();
    void btnCancelClick();
    void btnDefaultClick();
    void bbtnBrowseClick();

    Preferences shownPreferences() const;
    void showPreferences(const Preferences& preferences);

    const AppContext& m_context;
    QWidget* m_mainWindow;
    MainWindowControls m_mainControls;
    std::unique_ptr<Ui::TSettingForm> m_ui;
};
