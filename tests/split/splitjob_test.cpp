#include "split/encoderinvocation.h"
#include "split/splitjob.h"
#include "splitjobrig.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Result = PieceReport::Result;
using Kind = SplitJobEnd::Kind;

// Prints one progress line at half of a 5-second piece and writes its output.
const QByteArray kHalfwayEncoder = "printf 'frame= 1 fps=0 size= 1kB time=2.50 bitrate= 1k\\n'\n"
                                   "printf 'data' > \"$output\"";

// Prints one progress line, then stays silent until it is stopped.
const QByteArray kSilentEncoder = "printf 'frame= 1 time=1.00 bitrate= 1k\\n'\nexec sleep 30";

QList<Result> resultsOf(const QList<PieceReport>& pieces)
{
    QList<Result> results;
    for (const PieceReport& piece : pieces)
        results.append(piece.result);
    return results;
}

} // namespace

TEST(SplitJob, RunsTheSectionsInOrderWithLabelsProgressAndArguments)
{
    SplitJobRig rig;
    rig.encoder.write(kHalfwayEncoder);
    const QString switches = " -c:v libx264 -metadata \"title=a b\"";
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::EqualSections, "3"), switches);
    EXPECT_EQ(rig.job->SplitState(), SplitJob::Running);
    ASSERT_TRUE(rig.waitForEnd());

    EXPECT_EQ(rig.end->kind, Kind::Completed);
    EXPECT_TRUE(rig.end->failedPieces.isEmpty());
    EXPECT_EQ(rig.job->SplitState(), SplitJob::Idle);
    EXPECT_EQ(rig.encoder.runs(), 3);
    const QString clip2 = rig.outputDir + "/a_Clip2.mp4";
    EXPECT_EQ(rig.encoder.arguments(2), QStringList({"-y", "-i", rig.sourcePath, "-ss", "5", "-t", "5", "-c:v",
                                                     "libx264", "-metadata", "title=a b", clip2}));
    EXPECT_EQ(rig.job->encoderCommand(),
              EncoderCommand({rig.sourcePath, "10", "5", switches, rig.outputDir + "/a_Clip3.mp4"}));
    EXPECT_EQ(rig.started, (QList<std::pair<int, QString>>{
                               {1, "Splitting: Section 1"}, {2, "Splitting: Section 2"}, {3, "Splitting: Section 3"}}));
    // Half of each piece: the total counts the pieces before as done.
    EXPECT_EQ(rig.progress, (QList<std::pair<int, int>>{{50, 17}, {50, 50}, {50, 83}}));
    EXPECT_EQ(resultsOf(rig.pieces), (QList<Result>{Result::Written, Result::Written, Result::Written}));
    EXPECT_EQ(rig.pieces[1].outputPath, clip2);
    EXPECT_EQ(rig.job->currentPosition(), 0);
    EXPECT_EQ(rig.job->totalPosition(), 83);
}

TEST(SplitJob, FastSeekHandsTheEncoderTheSeekBeforeTheInputForEveryPiece)
{
    SplitJobRig rig;
    rig.encoder.write(kHalfwayEncoder);
    rig.start(rig.plan("00:00:00", "00:00:10", SplitMode::EqualSections, "2"), " -c:v copy", {.fastSeek = true});
    ASSERT_TRUE(rig.waitForEnd());

    EXPECT_EQ(rig.end->kind, Kind::Completed);
    const QString clip1 = rig.outputDir + "/a_Clip1.mp4";
    const QString clip2 = rig.outputDir + "/a_Clip2.mp4";
    EXPECT_EQ(rig.encoder.arguments(1),
              QStringList({"-y", "-ss", "0", "-i", rig.sourcePath, "-t", "5", "-c:v", "copy", clip1}));
    EXPECT_EQ(rig.encoder.arguments(2),
              QStringList({"-y", "-ss", "5", "-i", rig.sourcePath, "-t", "5", "-c:v", "copy", clip2}));
    EXPECT_EQ(rig.job->encoderCommand(),
              QString(" -y -ss 5 -i \"%1\" -t 5 -c:v copy \"%2\"").arg(rig.sourcePath, clip2));
}

TEST(SplitJob, ParsesTheOutputInChunksOfAtMost4095Bytes)
{
    SplitJobRig rig;
    // One write: a first chunk of exactly 4095 bytes that says 1 second, then a line that says 2.5.
    rig.encoder.write("printf 'time=1.00 %4085stime=2.50 x\\n' ''\nprintf 'data' > \"$output\"");
    rig.start(rig.plan("00:00:00", "00:00:05", SplitMode::OneClip));
    ASSERT_TRUE(rig.waitForEnd());
    EXPECT_EQ(rig.progress, (QList<std::pair<int, int>>{{20, 20}, {50, 50}}));
}

TEST(SplitJob, HandsOverOddFileNamesAsOneArgumentEach)
{
    SplitJobRig rig;
    rig.sourcePath = rig.program.path("in put/-a \"b\" 'c' $d.mp4");
    rig.program.writeFile("in put/-a \"b\" 'c' $d.mp4", "video");
    rig.outputDir = rig.program.path("out put");
    rig.program.makeFolder("out put");
    rig.encoder.write(kHalfwayEncoder);
    rig.start(rig.plan("00:00:05", "00:00:15", SplitMode::OneClip), " -b 800k");
    ASSERT_TRUE(rig.waitForEnd());

    const QString output = rig.outputDir + "/-a \"b\" 'c' $d_Clip1.mp4";
    EXPECT_EQ(rig.encoder.arguments(1),
              QStringList({"-y", "-i", rig.sourcePath, "-ss", "5", "-t", "10", "-b", "800k", output}));
    EXPECT_TRUE(QFileInfo(output).isFile());
    EXPECT_EQ(rig.started, (QList<std::pair<int, QString>>{{1, "Splitting: -a \"b\" 'c' $d.mp4"}}));
    EXPECT_EQ(resultsOf(rig.pieces), QList<Result>{Result::Written});
}

TEST(SplitJob, AsksBeforeOverwritingAndActsOnTheAnswer)
{
    const struct
    {
        const char* what;
        SplitMode mode;
        const char* existing;
        bool preference;
        std::deque<bool> answers;
        int questions;
        int runs;
        QList<Result> results;
        Kind end;
    } cases[] = {
        {"sections, No",
         SplitMode::EqualSections,
         "a_Clip2.mp4",
         false,
         {false},
         1,
         2,
         {Result::Written, Result::Skipped, Result::Written},
         Kind::Completed},
        {"sections, Yes",
         SplitMode::EqualSections,
         "a_Clip2.mp4",
         false,
         {true},
         1,
         3,
         {Result::Written, Result::Written, Result::Written},
         Kind::Completed},
        {"one clip, No", SplitMode::OneClip, "a_Clip1.mp4", false, {false}, 1, 0, {}, Kind::Stopped},
        {"one clip, Yes", SplitMode::OneClip, "a_Clip1.mp4", false, {true}, 1, 1, {Result::Written}, Kind::Completed},
        {"preference on", SplitMode::OneClip, "a_Clip1.mp4", true, {false}, 0, 1, {Result::Written}, Kind::Completed},
    };
    for (const auto& c : cases) {
        SplitJobRig rig;
        rig.encoder.write(kHalfwayEncoder);
        rig.program.writeFile(QStringLiteral("out/") + c.existing, "old");
        rig.host.overwritePreference = c.preference;
        rig.host.answers = c.answers;
        rig.start(rig.plan("00:00:00", "00:00:15", c.mode, "3"));
        ASSERT_TRUE(rig.waitForEnd()) << c.what;

        EXPECT_EQ(rig.host.questions.size(), c.questions) << c.what;
        if (c.questions > 0) {
            EXPECT_EQ(rig.host.questions.front(), rig.outputDir + "/" + c.existing) << c.what;
        }
        EXPECT_EQ(rig.encoder.runs(), c.runs) << c.what;
        EXPECT_EQ(resultsOf(rig.pieces), c.results) << c.what;
        EXPECT_EQ(rig.end->kind, c.end) << c.what;
        EXPECT_TRUE(rig.end->failedPieces.isEmpty()) << c.what;
        EXPECT_EQ(rig.job->SplitState(), SplitJob::Idle) << c.what;
    }
}

TEST(SplitJob, ReadsTheModeAndTheExtensionAgainForEveryPiece)
{
    SplitJobRig rig;
    rig.encoder.write(kHalfwayEncoder);
    const SplitPlan plan = rig.plan("00:00:00", "00:00:10", SplitMode::EqualSections, "2");
    QObject::connect(rig.job.get(), &SplitJob::pieceStarted, rig.job.get(), [&rig](int n) {
        if (n == 1) {
            rig.host.ext = ".mkv";
            rig.host.mode = SplitMode::OneClip;
        }
    });
    rig.start(plan);
    ASSERT_TRUE(rig.waitForEnd());

    EXPECT_EQ(rig.encoder.arguments(1).mid(3, 4), QStringList({"-ss", "0", "-t", "5"}));
    EXPECT_EQ(rig.encoder.arguments(1).last(), rig.outputDir + "/a_Clip1.mp4");
    EXPECT_EQ(rig.encoder.arguments(2).mid(3, 4), QStringList({"-ss", "0", "-t", "10"}));
    EXPECT_EQ(rig.encoder.arguments(2).last(), rig.outputDir + "/a_Clip2.mkv");
    EXPECT_EQ(rig.started.last(), (std::pair<int, QString>{2, "Splitting: a.mp4"}));
}

TEST(SplitJob, EndsAtOnceWhenThereIsNoPiece)
{
    for (const char* sections : {"0", "-2"}) {
        SplitJobRig rig;
        rig.encoder.write(kHalfwayEncoder);
        rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::EqualSections, sections));
        ASSERT_TRUE(rig.end.has_value()) << sections;
        EXPECT_EQ(rig.end->kind, Kind::Completed) << sections;
        EXPECT_EQ(rig.job->SplitState(), SplitJob::Idle) << sections;
        EXPECT_TRUE(rig.started.isEmpty()) << sections;
        EXPECT_EQ(rig.encoder.runs(), 0) << sections;
    }
}

TEST(SplitJob, CancelEndsASilentEncoderAtOnceAndLeavesNoProcess)
{
    SplitJobRig rig;
    rig.encoder.write(kSilentEncoder);
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::EqualSections, "3"));
    ASSERT_TRUE(rig.waitForProgress());
    const qint64 pid = rig.encoder.pid(1);
    ASSERT_TRUE(ProcessAlive(pid));

    QElapsedTimer clock;
    clock.start();
    rig.job->cancel();
    EXPECT_EQ(rig.job->SplitState(), SplitJob::CancelRequested);
    ASSERT_TRUE(rig.waitForEnd(1000));
    EXPECT_LT(clock.elapsed(), 1000);

    EXPECT_EQ(rig.end->kind, Kind::Cancelled);
    EXPECT_TRUE(rig.end->failedPieces.isEmpty());
    EXPECT_EQ(resultsOf(rig.pieces), QList<Result>{Result::Cancelled});
    EXPECT_EQ(rig.job->SplitState(), SplitJob::Idle);
    EXPECT_EQ(rig.encoder.runs(), 1);
    EXPECT_FALSE(ProcessAlive(pid));
}

TEST(SplitJob, KillsAnEncoderThatIgnoresTheRequestToEnd)
{
    SplitJobRig rig;
    rig.encoder.write("trap '' TERM\n" + kSilentEncoder);
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::OneClip));
    ASSERT_TRUE(rig.waitForProgress());
    const qint64 pid = rig.encoder.pid(1);

    rig.job->cancel();
    QTest::qWait(0);
    EXPECT_TRUE(ProcessAlive(pid));
    EXPECT_FALSE(rig.end.has_value());

    rig.job->killTimerTimeout();
    ASSERT_TRUE(rig.waitForEnd(1000));
    EXPECT_EQ(rig.end->kind, Kind::Cancelled);
    EXPECT_FALSE(ProcessAlive(pid));
}

TEST(SplitJob, DestroyedWhileTheEncoderRunsLeavesNoProcess)
{
    SplitJobRig rig;
    rig.encoder.write(kSilentEncoder);
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::OneClip));
    ASSERT_TRUE(rig.waitForProgress());
    const qint64 pid = rig.encoder.pid(1);
    ASSERT_TRUE(ProcessAlive(pid));

    rig.job->cancel();
    rig.job.reset();
    EXPECT_FALSE(ProcessAlive(pid));
}

TEST(SplitJob, GoesOnAfterAFailedPieceAndReportsItWithTheEncodersLastLines)
{
    SplitJobRig rig;
    rig.encoder.write("if [ \"$run\" = 2 ]; then\n"
                      "  i=1; while [ $i -le 40 ]; do echo \"noise line $i\"; i=$((i + 1)); done\n"
                      "  printf 'Error opening output file\\r\\n'\n"
                      "  exit 1\n"
                      "fi\n" +
                      kHalfwayEncoder);
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::EqualSections, "3"));
    ASSERT_TRUE(rig.waitForEnd());

    EXPECT_EQ(rig.encoder.runs(), 3);
    EXPECT_EQ(resultsOf(rig.pieces), (QList<Result>{Result::Written, Result::Failed, Result::Written}));
    EXPECT_TRUE(QFileInfo(rig.outputDir + "/a_Clip1.mp4").isFile());
    EXPECT_TRUE(QFileInfo(rig.outputDir + "/a_Clip3.mp4").isFile());
    ASSERT_EQ(rig.end->kind, Kind::Completed);
    ASSERT_EQ(rig.end->failedPieces.size(), 1);
    const PieceReport& failed = rig.end->failedPieces.front();
    EXPECT_EQ(failed.number, 2);
    EXPECT_EQ(failed.outputPath, rig.outputDir + "/a_Clip2.mp4");
    EXPECT_EQ(failed.reason, "The encoder ended with exit code 1.");
    const QStringList lines = failed.lastLines.split('\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.front(), "noise line 32");
    EXPECT_EQ(lines.back(), "Error opening output file");

    const QString described = DescribeFailedPieces(rig.end->failedPieces);
    EXPECT_TRUE(described.contains("Piece 2: " + failed.outputPath)) << described.toStdString();
    EXPECT_TRUE(described.contains(failed.reason));
    EXPECT_TRUE(described.endsWith(failed.lastLines));
}

TEST(SplitJob, CountsAPieceFailedUnlessTheEncoderEndedWellWithOutput)
{
    const struct
    {
        const char* body;
        Result result;
        const char* reason;
    } cases[] = {
        {"printf 'data' > \"$output\"", Result::Written, ""},
        {"printf 'data' > \"$output\"; exit 3", Result::Failed, "The encoder ended with exit code 3."},
        {"echo 'nothing written'", Result::Failed, "The encoder wrote no output file."},
        {": > \"$output\"", Result::Failed, "The encoder wrote an empty output file."},
        {"printf 'data' > \"$output\"; kill -KILL $$", Result::Failed, "The encoder crashed."},
    };
    for (const auto& c : cases) {
        SplitJobRig rig;
        rig.encoder.write(c.body);
        rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::OneClip));
        ASSERT_TRUE(rig.waitForEnd()) << c.body;
        ASSERT_EQ(rig.pieces.size(), 1) << c.body;
        EXPECT_EQ(rig.pieces[0].result, c.result) << c.body;
        EXPECT_EQ(rig.pieces[0].reason, QString::fromLatin1(c.reason)) << c.body;
        EXPECT_EQ(rig.end->kind, Kind::Completed) << c.body;
        EXPECT_EQ(rig.end->failedPieces.size(), c.result == Result::Failed ? 1 : 0) << c.body;
    }
}

TEST(SplitJob, ReportsAMissingEncoderAsAStartFailure)
{
    SplitJobRig rig;
    rig.start(rig.plan("00:00:00", "00:00:15", SplitMode::EqualSections, "3"));
    ASSERT_TRUE(rig.waitForEnd());
    EXPECT_EQ(rig.end->kind, Kind::StartFailed);
    EXPECT_EQ(rig.end->message, "Error. Please re-install Brindlecut");
    EXPECT_EQ(rig.job->SplitState(), SplitJob::Idle);
    EXPECT_TRUE(rig.pieces.isEmpty());
    EXPECT_EQ(rig.started.size(), 1);
}
