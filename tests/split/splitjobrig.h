#pragma once

#include "platform/appcontext.h"
#include "split/splitjob.h"
#include "split/splitjobhost.h"
#include "split/splitplan.h"
#include "support/fakeencoder.h"
#include "support/tempprogramdir.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <utility>

// A host that answers the overwrite question from a queue (No when it is empty) and records each one.
class ScriptedHost final : public SplitJobHost
{
public:
    SplitMode currentMode() const override { return mode; }
    QString outputExt() const override { return ext; }
    bool overwriteWithoutAsking() const override { return overwritePreference; }
    bool confirmOverwrite(const QString& outputPath) override;

    SplitMode mode = SplitMode::OneClip;
    QString ext = QStringLiteral(".mp4");
    bool overwritePreference = false;
    std::deque<bool> answers;
    QStringList questions;
};

// A temporary program folder with a source, a profile and an output folder, a job over it, and a record
// of everything the job reported.
class SplitJobRig final
{
public:
    SplitJobRig();

    // A plan over the source (one hour long) and the output folder; the host reports its mode.
    SplitPlan plan(const char* start, const char* end, SplitMode mode, const char* sections = "1");
    void start(const SplitPlan& plan, const QString& switches = {}, const SplitJobOptions& options = {});
    // Processes events until the job has ended, at most `timeoutMs`.
    bool waitForEnd(int timeoutMs = 10000) const;
    bool waitForProgress(int timeoutMs = 10000) const;

    QString sourcePath;
    QString outputDir;

    TempProgramDir program;
    FakeEncoder encoder{program};
    ScriptedHost host;
    AppContext context;
    std::unique_ptr<SplitJob> job;

    QList<std::pair<int, QString>> started;
    QList<std::pair<int, int>> progress;
    QList<PieceReport> pieces;
    std::optional<SplitJobEnd> end;
};
