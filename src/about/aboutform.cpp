#include "about/aboutform.h"

#include "about/makerinfo.h"
#include "platform/ownedwindow.h"
#include "platform/shell.h"
#include "ui_aboutform.h"

#include <QHideEvent>
#include <QMouseEvent>
#include <QShowEvent>

namespace {

// The room between a text and the link that follows it on the same line.
constexpr int kLinkGap = 4;

void placeAfter(QLabel* link, const QLabel* text)
{
    const int earliest = text->geometry().right() + 1 + kLinkGap;
    if (link->x() < earliest)
        link->move(earliest, link->y());
}

} // namespace

TAboutForm::TAboutForm(const AppContext& context, QWidget* mainWindow)
    : QDialog(nullptr, OwnedWindow::kFlags), m_context(context), m_mainWindow(mainWindow),
      m_ui(std::make_unique<Ui::TAboutForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("AboutForm"));
    setFixedSize(size());
    new OwnedWindow(this, mainWindow);

    connect(m_ui->btnOK, &QPushButton::clicked, this, &TAboutForm::btnOKClick);
    for (QLabel* link : {m_ui->labWebsite, m_ui->labMore, m_ui->Label8, m_ui->Label9, m_ui->Label10})
        link->installEventFilter(this);

    FormCreate();
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate()
{
    m_ui->labProgramName->setText(m_context.ProgramName);
    m_ui->labVersion->setText(QStringLiteral("Version ") + m_context.VersionText);
    m_ui->labCopyright->setText(QStringLiteral("Copyright (C) %1 %2.").arg(kCopyrightYear, kMakerName));
    m_ui->labWebsite->setText(kMakerWebsite);
    m_ui->Label8->setText(kProductLinks[0].caption);
    m_ui->Label9->setText(kProductLinks[1].caption);
    m_ui->Label10->setText(kProductLinks[2].caption);
    fitLabels();
}

void TAboutForm::fitLabels()
{
    for (QLabel* label : {m_ui->labVersion, m_ui->labCopyright, m_ui->labLicense, m_ui->labVisitWebsite,
                          m_ui->labWebsite, m_ui->Label7, m_ui->labMore, m_ui->Label8, m_ui->Label9, m_ui->Label10})
        label->resize(label->sizeHint().width(), label->height());
    placeAfter(m_ui->labWebsite, m_ui->labVisitWebsite);
    placeAfter(m_ui->labMore, m_ui->Label7);
}

void TAboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAboutForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* release = static_cast<QMouseEvent*>(event);
    const auto* label = qobject_cast<QLabel*>(watched);
    if (release->button() != Qt::LeftButton || !label || !label->rect().contains(release->position().toPoint()))
        return QDialog::eventFilter(watched, event);

    if (label == m_ui->labWebsite)
        labWebsiteClick();
    else if (label == m_ui->labMore)
        labMoreClick();
    else if (label == m_ui->Label8)
        Label8Click();
    else if (label == m_ui->Label9)
        Label9Click();
    else if (label == m_ui->Label10)
        Label10Click();
    return true;
}

void TAboutForm::FormShow()
{
    m_mainWindow->setEnabled(false);
}

void TAboutForm::FormClose()
{
    m_mainWindow->setEnabled(true);
}

void TAboutForm::btnOKClick()
{
    close();
}

void TAboutForm::labWebsiteClick()
{
    // The label's own text, so the link opens exactly the address it shows.
    Shell::instance().open(m_ui->labWebsite->text());
}

void TAboutForm::labMoreClick()
{
    Shell::instance().open(kMakerWebsite);
}

void TAboutForm::Label8Click()
{
    Shell::instance().open(kProductLinks[0].address);
}

void TAboutForm::Label9Click()
{
    Shell::instance().open(kProductLinks[1].address);
}

void TAboutForm::Label10Click()
{
    Shell::instance().open(kProductLinks[2].address);
}
