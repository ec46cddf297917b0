#include "prefs/settingform.h"

#include "ui_settingform.h"

TSettingForm::TSettingForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), m_context(context), m_ui(std::make_unique<Ui::TSettingForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("SettingForm"));
    setFixedSize(size());
}

TSettingForm::~TSettingForm() = default;
