#pragma once

#include "platform/appcontext.h"
#include "split/encoderprogress.h"
#include "split/outputtail.h"
#include "split/piecereport.h"
#include "split/splitjobend.h"
#include "split/splitjoboptions.h"
#include "split/splitplan.h"

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <optional>

class SplitJobHost;

// Runs the pieces of a plan one after another, each as one run of the encoder. Nothing blocks: the
// encoder's output, its end and the start of the next piece all come from QProcess signals.
//
// Signals may be emitted from inside start() (a job with no piece, a refused overwrite) and from inside
// cancel(); a receiver must not delete the job from a slot (use deleteLater).
class SplitJob final : public QObject
{
    Q_OBJECT

public:
    // SplitState values.
    static constexpr int Idle = 0;
    static constexpr int Running = 1;
    static constexpr int CancelRequested = 2;

    // How long an encoder asked to end may take before it is killed.
    static constexpr int kKillGraceMs = 2000;
    // The largest piece of encoder output parsed at once.
    static constexpr qint64 kChunkBytes = 4095;

    SplitJob(const AppContext& context, SplitJobHost& host, QObject* parent = nullptr);
    // Kills an encoder that still runs, so that none outlives the job.
    ~SplitJob() override;

    // Starts the job in state Idle: SplitState becomes Running and the first piece begins.
    void start(const SplitPlan& plan, const QString& switches, const SplitJobOptions& options = {});
    // The user's cancel: SplitState becomes CancelRequested and the encoder is asked to end at once.
    // ended(Cancelled) follows when it has ended.
    void cancel();

    int SplitState() const { return m_splitState; }
    // The bars' positions (0 to 100) as the last chunk left them; the current one is 0 between pieces.
    int currentPosition() const { return m_currentPosition; }
    int totalPosition() const { return m_totalPosition; }
    // The command line of the piece that runs or ran last.
    const QString& encoderCommand() const { return m_encoderCommand; }

    // The grace timer's handler: kills an encoder that did not end when asked.
    void killTimerTimeout();

Q_SIGNALS:
    // Piece n begins; the label is "Splitting: <source file name>" or "Splitting: Section n".
    void pieceStarted(int number, const QString& processingLabel);
    // After every chunk of the encoder's output.
    void progressChanged(int currentPosition, int totalPosition);
    // Piece n has ended, or was skipped; the current bar goes back to 0.
    void pieceEnded(const PieceReport& report);
    // The job is over and SplitState is Idle again.
    void ended(const SplitJobEnd& end);

private:
    void runNextPiece();
    void readEncoderOutput();
    void encoderFinished(int exitCode, QProcess::ExitStatus status);
    void encoderError(QProcess::ProcessError error);
    void KillEncoder();
    void releaseProcess();
    void endJob(const SplitJobEnd& end);
    PieceReport examinePiece(int exitCode, QProcess::ExitStatus status) const;

    SplitJobHost& m_host;
    QString m_encoderPath;
    QString m_programName;

    int m_splitState = Idle;
    std::optional<SplitPlan> m_plan;
    QString m_switches;
    SplitJobOptions m_options;
    int m_nextPiece = 1;
    bool m_advancing = false; // inside runNextPiece, which notices a cancel itself
    QList<PieceReport> m_failedPieces;

    QProcess* m_process = nullptr;
    QTimer m_killTimer;
    int m_pieceNumber = 0;
    QString m_pieceOutputPath;
    QString m_encoderCommand;
    EncoderProgress m_progress;
    OutputTail m_tail;
    int m_currentPosition = 0;
    int m_totalPosition = 0;
};
