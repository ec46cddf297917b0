#include "app/mainform.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "profiles/opsettingform.h"
#include "profiles/profilepath.h"
#include "ui_mainform.h"

#include <QShowEvent>

QStringList TMainForm::profileNames() const
{
    QStringList names;
    for (int i = 0; i < m_ui->cmbProfile->count(); ++i)
        names.append(m_ui->cmbProfile->itemText(i));
    return names;
}

void TMainForm::attachProfileEditor(TopSettingForm* editor)
{
    m_opSettingForm = editor;
    // A selection made by code (the Settings window's) loads nothing: only the user's choice does.
    connect(m_ui->cmbProfile, &QComboBox::activated, this, &TMainForm::cmbProfileChange);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TMainForm::BitBtn1Click);
}

void TMainForm::cmbProfileChange()
{
    if (!m_opSettingForm)
        return;
    try {
        m_opSettingForm->LoadProfile(ProfilePath(m_context.ProfileDir(), m_ui->cmbProfile->currentText()));
    } catch (const BrindlecutError& error) {
        Dialogs::instance().error(this, error.text());
    }
}

void TMainForm::BitBtn1Click()
{
    if (!m_opSettingForm)
        return;
    m_opSettingForm->show();
    m_opSettingForm->raise();
    m_opSettingForm->activateWindow();
    // Equal positions name the same profile: what the editor shows, saved or not, stays.
    const int chosen = m_ui->cmbProfile->currentIndex();
    if (m_opSettingForm->ProfileIndex() != chosen) {
        m_opSettingForm->SelectProfile(chosen);
        m_opSettingForm->cmbProfileChange();
    }
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    cmbProfileChange();
}
