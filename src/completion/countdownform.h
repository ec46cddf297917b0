#pragma once

#include "completion/countdown.h"
#include "platform/appcontext.h"

#include <QDialog>
#include <functional>
#include <memory>

class QTimer;

namespace Ui {
class TCountDownForm;
}

// Gives the user ten seconds to cancel before a finished job's exit or power-off.
class TCountDownForm final : public QDialog
{
    Q_OBJECT

public:
    TCountDownForm(const AppContext& context, QWidget* mainWindow);
    ~TCountDownForm() override;

    // The hand-over from a finished job: sets the mode and its texts and shows the window modelessly, counting
    // down from ten with the main window disabled. The caller picks the mode (power-off wins over exit).
    void startCountdown(CountdownMode mode);
    // What Cancel runs on the main window before this window closes: its return to idle.
    // Until one is set, Cancel only gives the main window back.
    void setReturnToIdle(std::function<void()> returnToIdle);

    const Countdown& countdown() const { return m_countdown; }

    // The one-second tick of tmrCountdown; public so that tests can move time on.
    void tmrCountdownTimer();

    // The close box and Escape act like Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void btnDoNowClick();
    void btnCancelClick();
    void ExitProgram();
    void PowerOff();

    QWidget* m_mainWindow;
    std::unique_ptr<Ui::TCountDownForm> m_ui;
    QTimer* m_tmrCountdown;
    Countdown m_countdown;
    std::function<void()> m_returnToIdle;
};
