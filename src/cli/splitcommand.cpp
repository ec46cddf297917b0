#include "cli/splitcommand.h"

#include "cli/exitstatus.h"
#include "cli/interruptwatcher.h"
#include "cli/sourceprobe.h"
#include "cli/splitoptions.h"
#include "platform/errors.h"
#include "split/splitcheck.h"
#include "split/splitjob.h"
#include "split/splitplan.h"

#include <QFileInfo>
#include <QIODevice>
#include <variant>

namespace {

constexpr int kClockTickMs = 1000;
const QString kToolName = QStringLiteral("brindlecut-split");

bool isFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

SplitRefusal existingOutput(const QString& path)
{
    return {kOverwriteCaption,
            QStringLiteral("The output file is existent: %1. Add --overwrite to overwrite it.").arg(path),
            {}};
}

} // namespace

SplitCommand::SplitCommand(QStringList arguments, QString executableDir, QIODevice& out, QIODevice& err,
                           bool errIsTerminal, int terminalColumns, QObject* parent)
    : QObject(parent), m_arguments(std::move(arguments)), m_executableDir(std::move(executableDir)), m_out(out),
      m_err(err), m_printer(err, errIsTerminal, terminalColumns)
{
    m_clockTimer.setInterval(kClockTickMs);
    connect(&m_clockTimer, &QTimer::timeout, this, &SplitCommand::clockTick);
}

SplitCommand::~SplitCommand() = default;

std::optional<int> SplitCommand::start()
{
    if (const std::optional<int> status = prepare())
        return status;
    return m_status; // the job may have ended inside start(), for instance when the encoder cannot start
}

void SplitCommand::interrupt(int status)
{
    if (m_interruptStatus || m_status)
        return;
    m_interruptStatus = status;
    if (m_job && m_job->SplitState() == SplitJob::Running)
        m_job->cancel();
}

std::optional<int> SplitCommand::prepare()
{
    const auto parsed = ParseSplitOptions(m_arguments);
    if (const auto* error = std::get_if<OptionError>(&parsed)) {
        m_printer.message(kToolName + QStringLiteral(": ") + error->text +
                          QStringLiteral("\nTry \"%1 --help\".").arg(kToolName));
        return kExitRefused;
    }
    const SplitOptions& options = std::get<SplitOptions>(parsed);
    if (options.help) {
        m_out.write(SplitUsage().toLocal8Bit());
        return kExitWritten;
    }

    m_context = ToolContext(options.appDir.value_or(m_executableDir));
    const QString source = AbsolutePath(options.source);
    std::int64_t durationMs = 0;
    if (isFile(source)) {
        const std::optional<std::int64_t> probed = SourceDurationMs(source);
        // A file that is no media at all fails the first check, not the start time's.
        if (!probed)
            return refuse(RefusalFor(SplitCheck::SourceFile));
        durationMs = *probed;
    }
    m_settings = ResolveSplitSettings(options, m_context, durationMs);

    // As at the window's Start: the profile's errors come before the job's checks.
    try {
        m_profile = SelectProfile(m_settings.inputs.profilePath, m_settings.choices);
    } catch (const BrindlecutError& error) {
        m_printer.message(m_context.ProgramName + QStringLiteral(": ") + error.text());
        return kExitRefused;
    }

    const auto made = SplitPlan::Make(m_settings.inputs);
    if (const auto* refusal = std::get_if<SplitRefusal>(&made))
        return refuse(*refusal);
    const SplitPlan& plan = std::get<SplitPlan>(made);
    // The window runs no piece and reports success; a script asking for no piece has made a mistake.
    if (plan.PieceCount() < 1)
        return refuse(RefusalFor(SplitCheck::Sections));
    if (!m_settings.overwrite) {
        for (int n = 1; n <= plan.PieceCount(); ++n) {
            const QString output = plan.outputPath(n, m_profile.outputExt);
            if (isFile(output))
                return refuse(existingOutput(output));
        }
    }
    if (const int signalNumber = InterruptWatcher::receivedSignal())
        return kExitSignalBase + signalNumber;

    m_pieceCount = plan.PieceCount();
    SplitJobHost& host = *this; // a private base: only this class hands itself out as the host
    m_job = std::make_unique<SplitJob>(m_context, host);
    connect(m_job.get(), &SplitJob::pieceStarted, this, &SplitCommand::pieceStarted);
    connect(m_job.get(), &SplitJob::progressChanged, this,
            [this](int current, int total) { m_printer.progressChanged(current, total); });
    connect(m_job.get(), &SplitJob::pieceEnded, this, &SplitCommand::pieceEnded);
    connect(m_job.get(), &SplitJob::ended, this, &SplitCommand::jobEnded);
    m_clock.reset();
    m_clockTimer.start();
    m_job->start(plan, m_profile.switches, {.fastSeek = m_settings.fastSeek});
    return std::nullopt;
}

int SplitCommand::refuse(const SplitRefusal& refusal)
{
    m_printer.message(refusal.caption + QStringLiteral(": ") + refusal.text);
    return kExitRefused;
}

SplitMode SplitCommand::currentMode() const
{
    return m_settings.inputs.mode;
}

QString SplitCommand::outputExt() const
{
    return m_profile.outputExt;
}

bool SplitCommand::overwriteWithoutAsking() const
{
    return m_settings.overwrite;
}

bool SplitCommand::confirmOverwrite(const QString& outputPath)
{
    // Only a file that appeared after the checks gets here; it is left alone, as the checks would have.
    m_declined.append(outputPath);
    return false;
}

void SplitCommand::noticeSignal()
{
    // The terminal's Ctrl-C reaches the encoder too, and its end may come before the signal's notice does:
    // the job must not take that for the piece's end and go on with the next one.
    if (const int signalNumber = InterruptWatcher::receivedSignal())
        interrupt(kExitSignalBase + signalNumber);
}

void SplitCommand::pieceStarted(int number, const QString& label)
{
    m_printer.pieceStarted(number, m_pieceCount, label);
    noticeSignal();
}

void SplitCommand::pieceEnded(const PieceReport& report)
{
    m_printer.endLine();
    if (report.result == PieceReport::Result::Written)
        m_out.write((report.outputPath + QLatin1Char('\n')).toLocal8Bit());
    noticeSignal();
}

void SplitCommand::jobEnded(const SplitJobEnd& end)
{
    m_clockTimer.stop();
    m_printer.endLine();
    if (m_interruptStatus) {
        m_printer.message(QStringLiteral("Splitting was cancelled."));
        return finish(*m_interruptStatus);
    }

    int status = kExitWritten;
    if (end.kind == SplitJobEnd::Kind::StartFailed) {
        m_printer.message(end.message);
        status = kExitFailed;
    }
    for (const QString& declined : m_declined) {
        m_printer.message(existingOutput(declined).caption + QStringLiteral(": ") + existingOutput(declined).text);
        status = kExitFailed;
    }
    if (!end.failedPieces.isEmpty()) {
        m_printer.message(DescribeFailedPieces(end.failedPieces));
        status = kExitFailed;
    }
    if (status == kExitWritten)
        m_printer.message(QStringLiteral("Splitting is completed successfully."));
    finish(status);
}

void SplitCommand::clockTick()
{
    if (!m_job)
        return;
    m_clock.tick(m_job->totalPosition());
    m_printer.clockChanged(m_clock.elapsedText(), m_clock.remainingText());
}

void SplitCommand::finish(int status)
{
    m_status = status;
    Q_EMIT finished(status);
}
