#pragma once

#include "platform/appcontext.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class TMainForm;
}
class TSettingForm;
struct MainWindowControls;

// The program's one window of work.
class TMainForm final : public QWidget
{
    Q_OBJECT

public:
    // `appDir` is the program's folder; `arguments` are the command-line arguments after the program name.
    TMainForm(const QString& appDir, const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    const AppContext& context() const { return m_context; }
    const QString& helpFile() const { return m_helpFile; }
    // The open dialog's filter in the "description|patterns|..." form.
    const QString& openDialogFilter() const { return m_openDialogFilter; }
    bool sourceLoaded() const { return m_sourceLoaded; }

    // Picture k of the Start and Cancel image list: 0-2 Start normal, hover, pressed; 3-5 Cancel.
    const QPixmap& startPicture(int index) const { return m_iglStart.at(static_cast<std::size_t>(index)); }

    // The About window that the toolbar's "About" button shows; it is created after this window.
    void setAboutForm(QWidget* aboutForm) { m_aboutForm = aboutForm; }

private:
    // Start-up and chrome
    void FormCreate(const QString& appDir);
    void FillProfileList();
    void sbtnHelpClick();

    // About window
    void sbtnAboutClick();

    // Output profiles
public:
    // The names of the profile list, in its order.
    QStringList profileNames() const;
    // The profile editor, which this window keeps loaded with the profile of its own list; attached once at
    // start-up, which also connects the list and the "Detail" button.
    void attachProfileEditor(class TopSettingForm* editor);
    class TopSettingForm* profileEditor() const { return m_opSettingForm; }

private:
    void cmbProfileChange();
    void BitBtn1Click();
    // FormShow: the first showing loads the chosen profile into the editor.
    void showEvent(QShowEvent* event) override;

    // Preferences
public:
    // The Settings window, created after this one: the Settings button shows it and the close saves through it.
    void attachSettingForm(TSettingForm* settingForm);
    // The controls of this window that the Settings window selects, fills and copies to.
    MainWindowControls preferenceControls() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectPreferences();
    void sbtnSettingsClick();
    void bbtnBrowseClick();
    void FormClose();

    // Preview, range marking and source intake

    // The split job

    std::unique_ptr<Ui::TMainForm> m_ui;
    AppContext m_context;
    QStringList m_arguments;
    QString m_helpFile;
    QString m_openDialogFilter;
    bool m_sourceLoaded = false;
    std::array<QPixmap, 6> m_iglStart;

    // About window
    QWidget* m_aboutForm = nullptr;

    // Output profiles
    class TopSettingForm* m_opSettingForm = nullptr;
    bool m_shown = false;

    // Preferences
    TSettingForm* m_settingForm = nullptr;

    // Preview, range marking and source intake

    // The split job
};
