#include "app/mainform.h"
#include "prefs/browseforfolder.h"
#include "prefs/mainwindowcontrols.h"
#include "prefs/settingform.h"
#include "ui_mainform.h"

#include <QCloseEvent>

void TMainForm::attachSettingForm(TSettingForm* settingForm)
{
    m_settingForm = settingForm;
}

MainWindowControls TMainForm::preferenceControls() const
{
    return {m_ui->cmbProfile, m_ui->edtOutputDir, m_ui->chkPreview};
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

void TMainForm::ConnectPreferences()
{
    connect(m_ui->sbtnSettings, &QToolButton::clicked, this, &TMainForm::sbtnSettingsClick);
    connect(m_ui->bbtnBrowse, &QPushButton::clicked, this, &TMainForm::bbtnBrowseClick);
}

void TMainForm::sbtnSettingsClick()
{
    if (m_settingForm)
        m_settingForm->show();
}

void TMainForm::bbtnBrowseClick()
{
    if (const std::optional<QString> folder = ChooseOutputFolder(this))
        m_ui->edtOutputDir->setText(*folder);
}

// A save that fails here is shown, and the program still ends: there is nothing better to do with the
// window that holds the preferences about to go.
void TMainForm::FormClose()
{
    if (m_settingForm)
        m_settingForm->TrySavePreferences(this);
}
