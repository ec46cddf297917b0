#include "profiles/sizeform.h"

#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "profiles/videosize.h"
#include "ui_sizeform.h"
#include "widgets/valuelistrows.h"

#include <QShowEvent>
#include <QWindow>

TSizeForm::TSizeForm(const AppContext& context, QWidget* mainWindow, ValueListRows& videoRows)
    // Not a child of the main window, which it disables while it shows.
    : QDialog(nullptr), m_context(context), m_mainWindow(mainWindow), m_videoRows(videoRows),
      m_ui(std::make_unique<Ui::TSizeForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("SizeForm"));
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);

    connect(m_ui->btnOK, &QPushButton::clicked, this, &TSizeForm::btnOKClick);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &TSizeForm::btnCancelClick);
}

TSizeForm::~TSizeForm() = default;

void TSizeForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TSizeForm::FormShow()
{
    if (!m_mainWindow)
        return;
    move(m_mainWindow->frameGeometry().center() - rect().center());
    if (windowHandle() && m_mainWindow->windowHandle())
        windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    m_mainWindow->setEnabled(false);
}

void TSizeForm::btnOKClick()
{
    const QString width = m_ui->edtWidth->text();
    const QString height = m_ui->edtHeight->text();
    if (!ParseInteger(width)) {
        Dialogs::instance().inform(this, QStringLiteral("Incorrect Width"),
                                   QStringLiteral("Please specify a proper width for output videos."));
        m_ui->edtWidth->setFocus();
        return;
    }
    if (!ParseInteger(height)) {
        Dialogs::instance().inform(this, QStringLiteral("Incorrect Height"),
                                   QStringLiteral("Please specify a proper height for output videos."));
        m_ui->edtHeight->setFocus();
        return;
    }
    m_videoRows.SetValueOf(kVideoSizeRow, width + QLatin1Char('x') + height);
    accept();
}

void TSizeForm::btnCancelClick()
{
    reject();
}

void TSizeForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TSizeForm::FormClose()
{
    if (m_videoRows.ValueOf(kVideoSizeRow) == kCustomSize)
        m_videoRows.SetValueOf(kVideoSizeRow, kOriginalSize);
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
}
