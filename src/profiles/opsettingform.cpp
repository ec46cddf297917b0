#include "profiles/opsettingform.h"

#include "ui_opsettingform.h"

TopSettingForm::TopSettingForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), m_context(context), m_ui(std::make_unique<Ui::TopSettingForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("opSettingForm"));
    setFixedSize(size());
}

TopSettingForm::~TopSettingForm() = default;
