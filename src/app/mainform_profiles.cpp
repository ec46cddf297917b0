#include "app/mainform.h"
#include "ui_mainform.h"

QStringList TMainForm::profileNames() const
{
    QStringList names;
    for (int i = 0; i < m_ui->cmbProfile->count(); ++i)
        names.append(m_ui->cmbProfile->itemText(i));
    return names;
}
