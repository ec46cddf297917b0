#pragma once

#include "cli/profileselection.h"
#include "cli/progressprinter.h"
#include "cli/splitsettings.h"
#include "platform/appcontext.h"
#include "split/piecereport.h"
#include "split/processclock.h"
#include "split/splitjobend.h"
#include "split/splitjobhost.h"
#include "split/splitrefusal.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>

class QIODevice;
class SplitJob;

// One run of brindlecut-split: reads the command line, refuses what the window would refuse, and runs the
// window's job over the same engine, profile reader and switch builder.
class SplitCommand final : public QObject, private SplitJobHost
{
    Q_OBJECT

public:
    // `out` receives the path of every piece written, one a line; `err` the progress and every message.
    SplitCommand(QStringList arguments, QString executableDir, QIODevice& out, QIODevice& err, bool errIsTerminal,
                 int terminalColumns, QObject* parent = nullptr);
    ~SplitCommand() override;

    // Runs every check and starts the job. The exit status when it is over before the job runs (help, a
    // refusal); nothing when the job runs, and finished() follows.
    std::optional<int> start();
    // Ctrl-C: the encoder is ended as Cancel ends it, and finished(`status`) follows once it has ended.
    void interrupt(int status);

Q_SIGNALS:
    void finished(int status);

private:
    SplitMode currentMode() const override;
    QString outputExt() const override;
    bool overwriteWithoutAsking() const override;
    bool confirmOverwrite(const QString& outputPath) override;

    std::optional<int> prepare();
    int refuse(const SplitRefusal& refusal);
    void noticeSignal();
    void pieceStarted(int number, const QString& label);
    void pieceEnded(const PieceReport& report);
    void jobEnded(const SplitJobEnd& end);
    void clockTick();
    void finish(int status);

    QStringList m_arguments;
    QString m_executableDir;
    QIODevice& m_out;
    QIODevice& m_err;
    ProgressPrinter m_printer;

    AppContext m_context;
    SplitSettings m_settings;
    ProfileSelection m_profile;
    std::unique_ptr<SplitJob> m_job;
    int m_pieceCount = 0;
    QStringList m_declined; // outputs that appeared during the job and were left alone
    QTimer m_clockTimer;
    ProcessClock m_clock;
    std::optional<int> m_interruptStatus;
    std::optional<int> m_status;
};
