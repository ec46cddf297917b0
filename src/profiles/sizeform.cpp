#include "profiles/sizeform.h"

#include "ui_sizeform.h"

TSizeForm::TSizeForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), m_context(context), m_ui(std::make_unique<Ui::TSizeForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("SizeForm"));
    setFixedSize(size());
}

TSizeForm::~TSizeForm() = default;
