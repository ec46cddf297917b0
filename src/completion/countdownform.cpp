#include "completion/countdownform.h"

#include "ui_countdownform.h"

TCountDownForm::TCountDownForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), m_context(context), m_ui(std::make_unique<Ui::TCountDownForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("CountDownForm"));
    setFixedSize(size());
}

TCountDownForm::~TCountDownForm() = default;
