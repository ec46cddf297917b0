#include "split/splitjob.h"

#include "split/encoderinvocation.h"
#include "split/splitjobhost.h"

#include <QFileInfo>

namespace {

constexpr int kReportedLines = 10;

bool outputFileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

SplitJob::SplitJob(const AppContext& context, SplitJobHost& host, QObject* parent)
    : QObject(parent), m_host(host), m_encoderPath(context.EncoderPath), m_programName(context.ProgramName)
{
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(kKillGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, &SplitJob::killTimerTimeout);
}

SplitJob::~SplitJob()
{
    if (m_process == nullptr)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        // No time for a graceful end here; reap the encoder so no process is left behind.
        m_process->kill();
        m_process->waitForFinished(kKillGraceMs);
    }
}

void SplitJob::start(const SplitPlan& plan, const QString& switches, const SplitJobOptions& options)
{
    if (m_splitState != Idle)
        return;
    m_plan = plan;
    m_switches = switches;
    m_options = options;
    m_nextPiece = 1;
    m_failedPieces.clear();
    m_currentPosition = 0;
    m_totalPosition = 0;
    m_splitState = Running;
    runNextPiece();
}

void SplitJob::cancel()
{
    if (m_splitState != Running)
        return;
    m_splitState = CancelRequested;
    if (m_process != nullptr)
        KillEncoder();
    else if (!m_advancing)
        endJob({SplitJobEnd::Kind::Cancelled, {}, {}});
}

void SplitJob::killTimerTimeout()
{
    if (m_process != nullptr && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

void SplitJob::runNextPiece()
{
    m_advancing = true;
    for (;;) {
        if (m_splitState == CancelRequested)
            return endJob({SplitJobEnd::Kind::Cancelled, {}, {}});
        if (m_nextPiece > m_plan->PieceCount())
            return endJob({SplitJobEnd::Kind::Completed, m_failedPieces, {}});

        const int n = m_nextPiece++;
        const QString outputPath = m_plan->outputPath(n, m_host.outputExt());
        if (outputFileExists(outputPath) && !m_host.overwriteWithoutAsking() && !m_host.confirmOverwrite(outputPath)) {
            if (m_splitState == CancelRequested)
                continue;
            if (m_host.currentMode() != SplitMode::EqualSections)
                return endJob({SplitJobEnd::Kind::Stopped, {}, {}});
            Q_EMIT pieceEnded({n, outputPath, PieceReport::Result::Skipped, {}, {}});
            continue;
        }

        const SplitMode mode = m_host.currentMode();
        m_pieceNumber = n;
        m_pieceOutputPath = outputPath;
        m_progress = EncoderProgress(n, m_plan->PieceCount(), m_plan->PieceLength(mode));
        m_tail.clear();
        EncoderInvocation invocation{m_plan->sourcePath(), m_plan->startText(n, mode), m_plan->lengthText(mode),
                                     m_switches, outputPath};
        invocation.fastSeek = m_options.fastSeek;
        m_encoderCommand = EncoderCommand(invocation);
        Q_EMIT pieceStarted(n, m_plan->processingLabel(n, mode));
        if (m_splitState == CancelRequested)
            continue;

        auto* process = new QProcess(this);
        process->setProgram(m_encoderPath);
        process->setArguments(EncoderArguments(invocation));
        process->setProcessChannelMode(QProcess::MergedChannels);
        // The encoder gets no terminal to read keys from.
        process->setStandardInputFile(QProcess::nullDevice());
        connect(process, &QProcess::readyRead, this, &SplitJob::readEncoderOutput);
        connect(process, &QProcess::finished, this, &SplitJob::encoderFinished);
        connect(process, &QProcess::errorOccurred, this, &SplitJob::encoderError);
        m_process = process;
        m_advancing = false;
        // A failure to start may be reported from inside start(); nothing may follow it here.
        process->start();
        return;
    }
}

void SplitJob::readEncoderOutput()
{
    // Re-read m_process every turn: a receiver of progressChanged may have ended the piece.
    while (m_process != nullptr) {
        const QByteArray chunk = m_process->read(kChunkBytes);
        if (chunk.isEmpty())
            return;
        m_tail.append(chunk);
        if (m_splitState != Running)
            continue;
        m_progress.takeChunk(chunk);
        m_currentPosition = m_progress.currentPosition();
        m_totalPosition = m_progress.totalPosition();
        Q_EMIT progressChanged(m_currentPosition, m_totalPosition);
    }
}

void SplitJob::encoderFinished(int exitCode, QProcess::ExitStatus status)
{
    readEncoderOutput();
    const PieceReport report =
        m_splitState == CancelRequested
            ? PieceReport{m_pieceNumber, m_pieceOutputPath, PieceReport::Result::Cancelled, {}, {}}
            : examinePiece(exitCode, status);
    releaseProcess();
    m_currentPosition = 0;
    if (report.result == PieceReport::Result::Failed)
        m_failedPieces.append(report);
    // A cancel from a receiver is left to runNextPiece, which ends the job once.
    m_advancing = true;
    Q_EMIT pieceEnded(report);
    runNextPiece();
}

void SplitJob::encoderError(QProcess::ProcessError error)
{
    // A crash or a read error is followed by finished(), which examines the piece.
    if (error != QProcess::FailedToStart)
        return;
    releaseProcess();
    endJob({SplitJobEnd::Kind::StartFailed, {}, QStringLiteral("Error. Please re-install ") + m_programName});
}

void SplitJob::KillEncoder()
{
    if (m_process == nullptr || m_process->state() == QProcess::NotRunning)
        return;
    // FFmpeg answers terminate() by closing its output file properly; kill() waits in the grace timer.
    m_process->terminate();
    m_killTimer.start();
}

void SplitJob::releaseProcess()
{
    m_killTimer.stop();
    if (m_process == nullptr)
        return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
}

void SplitJob::endJob(const SplitJobEnd& end)
{
    m_advancing = false;
    m_splitState = Idle;
    m_plan.reset();
    Q_EMIT ended(end);
}

PieceReport SplitJob::examinePiece(int exitCode, QProcess::ExitStatus status) const
{
    PieceReport report{m_pieceNumber, m_pieceOutputPath, PieceReport::Result::Failed, {}, {}};
    const QFileInfo output(m_pieceOutputPath);
    if (status == QProcess::CrashExit)
        report.reason = QStringLiteral("The encoder crashed.");
    else if (exitCode != 0)
        report.reason = QStringLiteral("The encoder ended with exit code %1.").arg(exitCode);
    else if (!output.isFile())
        report.reason = QStringLiteral("The encoder wrote no output file.");
    else if (output.size() == 0)
        report.reason = QStringLiteral("The encoder wrote an empty output file.");
    else
        report.result = PieceReport::Result::Written;
    if (report.result == PieceReport::Result::Failed)
        report.lastLines = m_tail.lastLines(kReportedLines);
    return report;
}
