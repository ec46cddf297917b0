#include "splitjobrig.h"

#include <QTest>
#include <gtest/gtest.h>

bool ScriptedHost::confirmOverwrite(const QString& outputPath)
{
    questions.append(outputPath);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

SplitJobRig::SplitJobRig()
{
    program.writeFile("in/a.mp4", "video");
    program.writeFile("Profiles/Test.apf", "[Main]\n");
    program.makeFolder("out");
    sourcePath = program.path("in/a.mp4");
    outputDir = program.path("out");
    context.AppDir = program.appDir();
    context.EncoderPath = context.AppDir + QStringLiteral("wmaspi.dll");

    job = std::make_unique<SplitJob>(context, host);
    QObject::connect(job.get(), &SplitJob::pieceStarted, job.get(), [this](int n, const QString& label) {
        started.append({n, label});
    });
    QObject::connect(job.get(), &SplitJob::progressChanged, job.get(), [this](int current, int total) {
        progress.append({current, total});
    });
    QObject::connect(job.get(), &SplitJob::pieceEnded, job.get(),
                     [this](const PieceReport& report) { pieces.append(report); });
    QObject::connect(job.get(), &SplitJob::ended, job.get(), [this](const SplitJobEnd& e) { end = e; });
}

SplitPlan SplitJobRig::plan(const char* start, const char* end, SplitMode mode, const char* sections)
{
    host.mode = mode;
    SplitInputs inputs;
    inputs.sourcePath = sourcePath;
    inputs.startText = QString::fromLatin1(start);
    inputs.endText = QString::fromLatin1(end);
    inputs.mode = mode;
    inputs.sectionText = QString::fromLatin1(sections);
    inputs.profilePath = program.path("Profiles/Test.apf");
    inputs.outputDir = outputDir;
    inputs.durationMs = 3600 * 1000;
    const auto result = SplitPlan::Make(inputs);
    if (const auto* refusal = std::get_if<SplitRefusal>(&result)) {
        ADD_FAILURE() << "refused: " << refusal->text.toStdString();
        throw std::runtime_error("the test's plan was refused");
    }
    return std::get<SplitPlan>(result);
}

void SplitJobRig::start(const SplitPlan& plan, const QString& switches, const SplitJobOptions& options)
{
    job->start(plan, switches, options);
}

bool SplitJobRig::waitForEnd(int timeoutMs) const
{
    return QTest::qWaitFor([this] { return end.has_value(); }, timeoutMs);
}

bool SplitJobRig::waitForProgress(int timeoutMs) const
{
    return QTest::qWaitFor([this] { return !progress.isEmpty(); }, timeoutMs);
}
