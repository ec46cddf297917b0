#include "about/aboutform.h"

#include "ui_aboutform.h"

TAboutForm::TAboutForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), m_context(context), m_ui(std::make_unique<Ui::TAboutForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("AboutForm"));
    setFixedSize(size());
}

TAboutForm::~TAboutForm() = default;
