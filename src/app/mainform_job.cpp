#include "app/mainform.h"
#include "completion/countdownform.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/shell.h"
#include "prefs/settingform.h"
#include "profiles/opsettingform.h"
#include "profiles/profilepath.h"
#include "split/piecereport.h"
#include "split/splitinputs.h"
#include "split/splitjob.h"
#include "split/splitjobend.h"
#include "split/splitjoboptions.h"
#include "split/splitplan.h"
#include "ui_mainform.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace {

// Looks of the Start and Cancel pictures, kept in their "tag".
constexpr int kNormal = 0;
constexpr int kHover = 1;
constexpr int kPressed = 2;

constexpr int kStartPicture = 0;
constexpr int kCancelPicture = 3;

int tagOf(const QWidget* picture)
{
    return picture->property("tag").toInt();
}

} // namespace

void TMainForm::ConnectJob()
{
    m_job = std::make_unique<SplitJob>(m_context, static_cast<SplitJobHost&>(*this));
    connect(m_job.get(), &SplitJob::pieceStarted, this, &TMainForm::jobPieceStarted);
    connect(m_job.get(), &SplitJob::progressChanged, this, &TMainForm::jobProgressChanged);
    connect(m_job.get(), &SplitJob::pieceEnded, this, [this] { m_ui->pgbCurrent->setValue(0); });
    connect(m_job.get(), &SplitJob::ended, this, &TMainForm::jobEnded);

    m_tmrProcess.setObjectName(QStringLiteral("tmrProcess"));
    m_tmrProcess.setInterval(1000);
    connect(&m_tmrProcess, &QTimer::timeout, this, &TMainForm::tmrProcessTimer);

    for (QWidget* picture : {static_cast<QWidget*>(m_ui->imgStart), static_cast<QWidget*>(m_ui->imgCancel)}) {
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
    // Moving over the surroundings brings both pictures back to normal.
    for (QWidget* surrounding :
         {m_ui->panLeft, m_ui->panRight, m_ui->panProgress, static_cast<QWidget*>(m_ui->Image4)}) {
        surrounding->setMouseTracking(true);
        surrounding->installEventFilter(this);
    }
}

int TMainForm::SplitState() const
{
    return m_job->SplitState();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);

    if (watched == m_ui->imgStart || watched == m_ui->imgCancel) {
        auto* picture = static_cast<QLabel*>(watched);
        const int base = picture == m_ui->imgStart ? kStartPicture : kCancelPicture;
        if (type == QEvent::MouseMove) {
            if (tagOf(picture) == kNormal)
                drawPicture(picture, kHover, base + kHover);
        } else if (type == QEvent::MouseButtonPress) {
            drawPicture(picture, kPressed, base + kPressed);
        } else {
            drawPicture(picture, kHover, base + kHover);
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && picture->rect().contains(mouse->position().toPoint())) {
                if (picture == m_ui->imgStart)
                    imgStartClick();
                else
                    imgCancelClick();
            }
        }
        return true;
    }
    if (type == QEvent::MouseMove)
        ResetImageButtons();
    return QWidget::eventFilter(watched, event);
}

void TMainForm::drawPicture(QLabel* picture, int tag, int index)
{
    picture->setProperty("tag", tag);
    picture->setPixmap(m_iglStart.at(static_cast<std::size_t>(index)));
}

void TMainForm::ResetImageButtons()
{
    if (tagOf(m_ui->imgStart) != kNormal)
        drawPicture(m_ui->imgStart, kNormal, kStartPicture + kNormal);
    if (tagOf(m_ui->imgCancel) != kNormal)
        drawPicture(m_ui->imgCancel, kNormal, kCancelPicture + kNormal);
}

void TMainForm::imgStartClick()
{
    const QString profilePath = ProfilePath(m_context.ProfileDir(), m_ui->cmbProfile->currentText());
    QString switches;
    try {
        if (m_opSettingForm)
            m_opSettingForm->BuildProfileSwitches(profilePath, switches);
    } catch (const BrindlecutError& error) {
        Dialogs::instance().error(this, error.text());
        return;
    }
    RunSplitJob(profilePath, switches);
}

void TMainForm::RunSplitJob(const QString& profilePath, const QString& switches)
{
    SplitInputs inputs;
    inputs.sourcePath = m_ui->edtSource->text();
    inputs.startText = m_ui->edtStart->text();
    inputs.endText = m_ui->edtEnd->text();
    inputs.mode = currentMode();
    inputs.sectionText = m_ui->edtSectionQty->text();
    inputs.profilePath = profilePath;
    inputs.outputDir = m_ui->edtOutputDir->text();
    inputs.durationMs = m_filterGraph->duration();

    std::variant<SplitPlan, SplitRefusal> made = SplitPlan::Make(inputs);
    if (const auto* refusal = std::get_if<SplitRefusal>(&made)) {
        Dialogs::instance().inform(this, refusal->caption, refusal->text);
        if (!refusal->focus.isEmpty())
            if (auto* control = findChild<QWidget*>(refusal->focus))
                control->setFocus();
        return;
    }
    EnterRunningState();
    SplitJobOptions options;
    options.fastSeek = m_settingForm && m_settingForm->fastSeek();
    m_job->start(std::get<SplitPlan>(made), switches, options);
}

void TMainForm::EnterRunningState()
{
    m_filterGraph->stop();
    m_processClock.reset();
    m_tmrPreview->start();
    m_tmrProcess.start();
    for (QWidget* control : previewAndRangeControls())
        control->setEnabled(false);
    m_ui->imgStart->hide();
    m_ui->imgCancel->show();
    m_ui->sbtnOpen->setEnabled(false);
    m_ui->sbtnSettings->setEnabled(false);
    m_ui->pgbCurrent->setValue(0);
    m_ui->pgbTotal->setValue(0);
    m_ui->labCurProgress->setText(QStringLiteral("0%"));
    m_ui->labTotalProgress->setText(QStringLiteral("0%"));
    m_ui->labElapsed->clear();
    m_ui->labRemaining->clear();
    m_ui->panProgress->show();
    m_ui->panProgress->raise();
}

void TMainForm::ReturnToIdle()
{
    m_tmrPreview->stop();
    m_tmrProcess.stop();
    for (QWidget* control : previewAndRangeControls())
        control->setEnabled(true);
    m_ui->imgStart->show();
    m_ui->imgCancel->hide();
    m_ui->sbtnOpen->setEnabled(true);
    m_ui->sbtnSettings->setEnabled(true);
    m_ui->panProgress->hide();
}

QList<QWidget*> TMainForm::previewAndRangeControls() const
{
    return {m_ui->tkbProgress,  m_ui->sbtnPlayPreview, m_ui->sbtnPausePreview, m_ui->sbtnStopPreview,
            m_ui->sbtnSelStart, m_ui->sbtnSelEnd,      m_ui->sbtnErase};
}

void TMainForm::imgCancelClick()
{
    if (SplitState() != SplitJob::Running)
        return;
    if (Dialogs::instance().ask(this, QStringLiteral("Query"), QStringLiteral("Do you want to cancel the splitting?")))
        m_job->cancel();
}

// Asks before a close ends a running job; false keeps the window open.
bool TMainForm::FormCloseQuery()
{
    if (SplitState() != SplitJob::Running)
        return true;
    if (!Dialogs::instance().ask(this, QStringLiteral("Exit Query"),
                                 QStringLiteral("Do you want to cancel the splitting and exit?")))
        return false;
    m_job->cancel();
    return true;
}

void TMainForm::tmrProcessTimer()
{
    m_processClock.tick(m_ui->pgbTotal->value());
    m_ui->labElapsed->setText(m_processClock.elapsedText());
    m_ui->labRemaining->setText(m_processClock.remainingText());
}

void TMainForm::jobPieceStarted(int, const QString& processingLabel)
{
    m_ui->labProcessing->setText(processingLabel);
}

void TMainForm::jobProgressChanged(int currentPosition, int totalPosition)
{
    m_ui->pgbCurrent->setValue(currentPosition);
    m_ui->pgbTotal->setValue(totalPosition);
    m_ui->labCurProgress->setText(QString::number(currentPosition) + QLatin1Char('%'));
    m_ui->labTotalProgress->setText(QString::number(totalPosition) + QLatin1Char('%'));
}

void TMainForm::jobEnded(const SplitJobEnd& end)
{
    switch (end.kind) {
    case SplitJobEnd::Kind::Cancelled:
    case SplitJobEnd::Kind::Stopped:
        ReturnToIdle();
        return;
    case SplitJobEnd::Kind::StartFailed:
        Dialogs::instance().plain(this, end.message);
        ReturnToIdle();
        return;
    case SplitJobEnd::Kind::Completed:
        completeJob(end);
        return;
    }
}

void TMainForm::completeJob(const SplitJobEnd& end)
{
    m_tmrPreview->stop();
    m_tmrProcess.stop();
    // A failed piece is reported in place of the success, and no countdown follows.
    if (!end.failedPieces.isEmpty()) {
        Dialogs::instance().error(this, QStringLiteral("Splitting failed"), DescribeFailedPieces(end.failedPieces));
        ReturnToIdle();
        return;
    }
    if (m_settingForm && m_countDownForm && (m_settingForm->turnOff() || m_settingForm->autoExit())) {
        m_countDownForm->startCountdown(m_settingForm->turnOff() ? CountdownMode::PowerOff : CountdownMode::Exit);
        return;
    }
    Dialogs::instance().inform(this, QStringLiteral("Completed"),
                               QStringLiteral("Splitting is completed successfully."));
    if (m_settingForm && m_settingForm->openDir())
        Shell::instance().open(m_ui->edtOutputDir->text());
    ReturnToIdle();
}

SplitMode TMainForm::currentMode() const
{
    return m_ui->rdbStartEnd->isChecked() ? SplitMode::OneClip : SplitMode::EqualSections;
}

QString TMainForm::outputExt() const
{
    return m_opSettingForm ? m_opSettingForm->OutputExt() : QString();
}

bool TMainForm::overwriteWithoutAsking() const
{
    return m_settingForm && m_settingForm->overwrite();
}

bool TMainForm::confirmOverwrite(const QString&)
{
    return Dialogs::instance().ask(this, kOverwriteCaption, kOverwriteQuestion);
}
