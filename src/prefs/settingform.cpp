#include "prefs/settingform.h"

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/inifile.h"
#include "platform/ownedwindow.h"
#include "prefs/browseforfolder.h"
#include "prefs/preferences.h"
#include "ui_settingform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHideEvent>
#include <QLineEdit>
#include <QShowEvent>

TSettingForm::TSettingForm(const AppContext& context, QWidget* mainWindow, const MainWindowControls& mainControls)
    : QDialog(nullptr, OwnedWindow::kFlags), m_context(context), m_mainWindow(mainWindow), m_mainControls(mainControls),
      m_ui(std::make_unique<Ui::TSettingForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("SettingForm"));
    setFixedSize(size());
    new OwnedWindow(this, mainWindow);

    connect(m_ui->btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &TSettingForm::btnCancelClick);
    connect(m_ui->btnDefault, &QPushButton::clicked, this, &TSettingForm::btnDefaultClick);
    connect(m_ui->bbtnBrowse, &QPushButton::clicked, this, &TSettingForm::bbtnBrowseClick);

    FormCreate();
}

TSettingForm::~TSettingForm() = default;

bool TSettingForm::overwrite() const
{
    return m_ui->chkOverwrite->isChecked();
}

bool TSettingForm::openDir() const
{
    return m_ui->chkOpenDir->isChecked();
}

bool TSettingForm::autoExit() const
{
    return m_ui->chkExit->isChecked();
}

bool TSettingForm::turnOff() const
{
    return m_ui->chkTurnoff->isChecked();
}

bool TSettingForm::fastSeek() const
{
    return m_ui->chkFastSeek->isChecked();
}

void TSettingForm::LoadPreferences(bool FromDefaults)
{
    const IniFile file(m_context.PreferencesPath());
    showPreferences(
        ReadPreferences(file, FromDefaults ? PreferencesSection::Default : PreferencesSection::Main, m_context.AppDir));
    // A plain selection: the profile itself is loaded only when the user picks one.
    m_mainControls.cmbProfile->setCurrentIndex(ReadProfileIndex(file));
}

void TSettingForm::SavePreferences()
{
    IniFile file(m_context.PreferencesPath());
    WritePreferences(file, shownPreferences(), m_mainControls.cmbProfile->currentIndex());
}

bool TSettingForm::TrySavePreferences(QWidget* owner)
{
    try {
        SavePreferences();
        return true;
    } catch (const IniWriteError& error) {
        Dialogs::instance().error(owner, m_context.ProgramName, error.text() + QLatin1Char('.'));
        return false;
    }
}

void TSettingForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSettingForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TSettingForm::FormCreate()
{
    LoadPreferences(false);
    if (m_ui->chkoutputdir->isChecked())
        m_mainControls.edtOutputDir->setText(m_ui->edtOutputDir->text());
}

void TSettingForm::FormShow()
{
    m_mainWindow->setEnabled(false);
}

void TSettingForm::FormClose()
{
    m_mainWindow->setEnabled(true);
}

void TSettingForm::btnOKClick()
{
    if (!TrySavePreferences(this))
        return;
    if (m_ui->chkoutputdir->isChecked())
        m_mainControls.edtOutputDir->setText(m_ui->edtOutputDir->text());
    m_mainControls.chkPreview->setChecked(m_ui->chkPreview->isChecked());
    close();
}

void TSettingForm::btnCancelClick()
{
    close();
    LoadPreferences(false);
}

void TSettingForm::btnDefaultClick()
{
    LoadPreferences(true);
}

void TSettingForm::bbtnBrowseClick()
{
    if (const std::optional<QString> folder = ChooseOutputFolder(this))
        m_ui->edtOutputDir->setText(*folder);
}

Preferences TSettingForm::shownPreferences() const
{
    Preferences shown;
    shown.preview = m_ui->chkPreview->isChecked();
    shown.overwrite = m_ui->chkOverwrite->isChecked();
    shown.aptotic = m_ui->chkoutputdir->isChecked();
    shown.outputDir = m_ui->edtOutputDir->text();
    shown.autoOpenDir = m_ui->chkOpenDir->isChecked();
    shown.autoExit = m_ui->chkExit->isChecked();
    shown.autoTurnOff = m_ui->chkTurnoff->isChecked();
    shown.fastSeek = m_ui->chkFastSeek->isChecked();
    return shown;
}

void TSettingForm::showPreferences(const Preferences& preferences)
{
    m_ui->chkPreview->setChecked(preferences.preview);
    m_ui->chkOverwrite->setChecked(preferences.overwrite);
    m_ui->chkoutputdir->setChecked(preferences.aptotic);
    m_ui->edtOutputDir->setText(preferences.outputDir);
    m_ui->chkOpenDir->setChecked(preferences.autoOpenDir);
    m_ui->chkExit->setChecked(preferences.autoExit);
    m_ui->chkTurnoff->setChecked(preferences.autoTurnOff);
    m_ui->chkFastSeek->setChecked(preferences.fastSeek);
}
