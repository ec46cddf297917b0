#include "app/mainform.h"
#include "prefs/mainwindowcontrols.h"
#include "prefs/settingform.h"
#include "ui_mainform.h"

void TMainForm::attachSettingForm(TSettingForm* settingForm)
{
    m_settingForm = settingForm;
}

MainWindowControls TMainForm::preferenceControls() const
{
    return {m_ui->cmbProfile, m_ui->edtOutputDir, m_ui->chkPreview};
}
