#include "completion/countdownform.h"

#include "platform/ownedwindow.h"
#include "platform/powercontrol.h"
#include "ui_countdownform.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QTimer>

namespace {

constexpr int kTickMilliseconds = 1000;

} // namespace

// The shared context is not needed here; the window takes it like every other secondary window.
TCountDownForm::TCountDownForm(const AppContext& /*context*/, QWidget* mainWindow)
    : QDialog(nullptr, OwnedWindow::kFlags), m_mainWindow(mainWindow), m_ui(std::make_unique<Ui::TCountDownForm>()),
      m_tmrCountdown(new QTimer(this)), m_returnToIdle([this] { m_mainWindow->setEnabled(true); })
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("CountDownForm"));
    setFixedSize(size());
    new OwnedWindow(this, mainWindow);

    m_tmrCountdown->setObjectName(QStringLiteral("tmrCountdown"));
    m_tmrCountdown->setInterval(kTickMilliseconds);
    connect(m_tmrCountdown, &QTimer::timeout, this, &TCountDownForm::tmrCountdownTimer);
    connect(m_ui->btnDoNow, &QPushButton::clicked, this, &TCountDownForm::btnDoNowClick);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &TCountDownForm::btnCancelClick);
}

TCountDownForm::~TCountDownForm() = default;

void TCountDownForm::startCountdown(CountdownMode mode)
{
    m_countdown.setMode(mode);
    m_ui->btnDoNow->setText(m_countdown.actionCaption());
    show();
}

void TCountDownForm::setReturnToIdle(std::function<void()> returnToIdle)
{
    m_returnToIdle = std::move(returnToIdle);
}

void TCountDownForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TCountDownForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TCountDownForm::FormShow()
{
    m_mainWindow->setEnabled(false);
    m_countdown.restart();
    m_ui->labMessage->setText(m_countdown.message());
    m_tmrCountdown->start();
}

void TCountDownForm::FormClose()
{
    m_tmrCountdown->stop();
    m_mainWindow->setEnabled(true);
}

void TCountDownForm::tmrCountdownTimer()
{
    const bool reachedZero = m_countdown.tick();
    m_ui->labMessage->setText(m_countdown.message());
    if (reachedZero) {
        m_tmrCountdown->stop();
        m_ui->btnDoNow->click();
    }
}

void TCountDownForm::btnDoNowClick()
{
    // The count goes on: a power-off that fails is asked for once more when it reaches zero.
    if (m_countdown.mode() == CountdownMode::PowerOff)
        PowerOff();
    else
        ExitProgram();
}

void TCountDownForm::btnCancelClick()
{
    m_returnToIdle();
    QDialog::reject();
}

void TCountDownForm::reject()
{
    btnCancelClick();
}

void TCountDownForm::ExitProgram()
{
    // The main window's own close handling saves the preferences and ends the program.
    m_mainWindow->close();
}

void TCountDownForm::PowerOff()
{
    // A refused request shows nothing; the window stays open for the user to cancel.
    PowerControl::instance().powerOff();
}
