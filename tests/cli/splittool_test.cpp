#include "splittoolrig.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

QStringList lines(const QByteArray& text)
{
    return QString::fromLocal8Bit(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class SplitToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            GTEST_SKIP() << "ffmpeg is needed to make the source";
        ASSERT_TRUE(rig.placeSource());
        rig.encoder.write(kWritingEncoder);
    }

    QString output(int n) const { return rig.outputDir + QStringLiteral("/clip_Clip%1.mp4").arg(n); }

    SplitToolRig rig;
};

} // namespace

TEST_F(SplitToolTest, RefusesWithTheWindowsTextsBeforeAnythingIsWritten)
{
    rig.program.writeFile("in/broken.mp4", "no video in here");
    rig.program.writeFile("out/clip_Clip2.mp4", "old");
    const QString existing = output(2);
    const struct
    {
        QStringList arguments;
        QString firstLine;
    } cases[] = {
        {{rig.program.path("in/missing.mp4")}, "Invalid File: Please specify a valid input video file."},
        {{rig.program.path("in/broken.mp4")}, "Invalid File: Please specify a valid input video file."},
        {{rig.program.path("in")}, "Invalid File: Please specify a valid input video file."},
        {{rig.sourcePath, "--start", "7"}, "Invalid Start Time: Please varify the Start Time you selected."},
        {{rig.sourcePath, "--start", "0:0:x"}, "Invalid Start Time: Please varify the Start Time you selected."},
        {{rig.sourcePath, "--end", "0"}, "Invalid End Time: Please varify the End Time you selected."},
        {{rig.sourcePath, "--start", "4", "--end", "3"},
         "Invalid Time: The End Time should be later than the Start Time."},
        {{rig.sourcePath, "--sections", "three"}, "Invalid Section: Please specify a valid section quantity."},
        {{rig.sourcePath, "--sections", "0"}, "Invalid Section: Please specify a valid section quantity."},
        {{rig.sourcePath, "--profile", "Missing"}, "Invalid Output Path: Please select a valid output profile."},
        {{rig.sourcePath, "--output-dir", rig.program.path("none")},
         "Invalid Output Path: Please specify a valid output path."},
        {{rig.sourcePath, "--sections", "3"},
         "Overwrite: The output file is existent: " + existing + ". Add --overwrite to overwrite it."},
        {{rig.sourcePath, "--set", "Bit Rate=800k"}, "Brindlecut: The profile has no parameter \"Bit Rate\"."},
        {{rig.sourcePath, "--bogus"}, "brindlecut-split: unknown option --bogus"},
    };
    for (const auto& c : cases) {
        const ToolRun run = rig.run(QStringList{"--output-dir", rig.outputDir} + c.arguments);
        ASSERT_TRUE(run.finished) << c.firstLine.toStdString();
        EXPECT_EQ(run.exitCode, 2) << c.firstLine.toStdString();
        EXPECT_EQ(lines(run.err).value(0).toStdString(), c.firstLine.toStdString());
        EXPECT_TRUE(run.out.isEmpty()) << c.firstLine.toStdString();
    }
    EXPECT_EQ(rig.encoder.runs(), 0);
    EXPECT_EQ(rig.outputs(), QStringList{"clip_Clip2.mp4"});
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

TEST_F(SplitToolTest, RunsTheSectionsWithTheProfilesSwitchesAndListsThePieces)
{
    rig.program.writeFile("out/clip_Clip1.mp4", "old");
    const ToolRun run = rig.run({rig.sourcePath, "--start", "1", "--end", "00:00:04", "--sections", "3", "--set",
                                 "Preset=Fast", "--output-dir", rig.outputDir, "--overwrite", "--exact-seek"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lines(run.out), QStringList({output(1), output(2), output(3)}));
    EXPECT_EQ(rig.encoder.runs(), 3);
    EXPECT_EQ(rig.encoder.arguments(2),
              QStringList({"-y", "-i", rig.sourcePath, "-ss", "2", "-t", "1", "-preset", "fast", output(2)}));
    QFile replaced(output(1));
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), "data");

    // Standard error is no terminal here: plain lines, nothing redrawn.
    const QStringList err = lines(run.err);
    EXPECT_FALSE(run.err.contains('\r'));
    for (const char* line : {"[1/3] Splitting: Section 1  Current: 0%  Total: 0%  Elapsed: ",
                             "[1/3] Splitting: Section 1  Current: 50%  Total: 17%  Elapsed: ",
                             "[2/3] Splitting: Section 2  Current: 0%  Total: 17%  Elapsed: ",
                             "[3/3] Splitting: Section 3  Current: 50%  Total: 83%  Elapsed: "})
        EXPECT_EQ(err.filter(line).size(), 1) << line;
    EXPECT_EQ(err.filter("Current: 50%").size(), 3) << run.err.toStdString();
    EXPECT_EQ(err.last(), "Splitting is completed successfully.");
}

TEST_F(SplitToolTest, TakesTheSeekModeFromThePreferenceUnlessTheCommandLineNamesOne)
{
    const struct
    {
        const char* preference;
        const char* option;
        bool fastSeek;
    } cases[] = {
        {"", nullptr, false},
        {"Fast Seek=1\n", nullptr, true},
        {"Fast Seek=1\n", "--exact-seek", false},
        {"Fast Seek=0\n", "--fast-seek", true},
    };
    int runs = 0;
    for (const auto& c : cases) {
        rig.program.writeFile("Preferences.ini", QByteArray("[Main]\nAptotic=0\n") + c.preference);
        QStringList arguments{rig.sourcePath, "--end", "2", "--overwrite"};
        if (c.option != nullptr)
            arguments << c.option;
        const ToolRun run = rig.run(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        // No fixed output folder: the pieces go beside the source, as in the window.
        const QString piece = rig.program.path("in/clip_Clip1.mp4");
        const QStringList seekFirst{"-y", "-ss", "0", "-i", rig.sourcePath, "-t", "2", "-preset", "slow", piece};
        const QStringList inputFirst{"-y", "-i", rig.sourcePath, "-ss", "0", "-t", "2", "-preset", "slow", piece};
        EXPECT_EQ(rig.encoder.arguments(++runs), c.fastSeek ? seekFirst : inputFirst) << c.preference << c.option;
    }
}

TEST_F(SplitToolTest, AFailedPieceGivesStatusOneAndIsNamedWithTheEncodersLastLines)
{
    rig.encoder.write("if [ \"$run\" = 2 ]; then echo 'Conversion failed: disk full'; exit 1; fi\n" + kWritingEncoder);
    const ToolRun run = rig.run({rig.sourcePath, "--sections", "3", "--output-dir", rig.outputDir});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(rig.encoder.runs(), 3); // the job goes on after the failed piece
    EXPECT_EQ(lines(run.out), QStringList({output(1), output(3)}));
    const QString err = QString::fromLocal8Bit(run.err);
    EXPECT_TRUE(err.contains("One piece could not be written.\n\nPiece 2: " + output(2) +
                             "\nThe encoder ended with exit code 1. The encoder's last lines:\n"
                             "Conversion failed: disk full"))
        << err.toStdString();
    EXPECT_FALSE(err.contains("Piece 1:") || err.contains("Piece 3:"));
    EXPECT_FALSE(err.contains("completed successfully"));
}

TEST_F(SplitToolTest, CtrlCEndsTheEncoderAndExitsWith130)
{
    rig.encoder.write("exec sleep 30"); // silent: nothing from it wakes the tool
    QProcess tool;
    rig.start(tool, {rig.sourcePath, "--sections", "2", "--output-dir", rig.outputDir});
    ASSERT_TRUE(QTest::qWaitFor([this] { return rig.encoder.pid(1) > 0; }, 10000));
    const qint64 encoder = rig.encoder.pid(1);
    ASSERT_TRUE(ProcessAlive(encoder));

    ASSERT_EQ(::kill(static_cast<pid_t>(tool.processId()), SIGINT), 0);
    ASSERT_TRUE(tool.waitForFinished(10000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 130);
    EXPECT_FALSE(ProcessAlive(encoder));
    EXPECT_EQ(rig.encoder.runs(), 1); // the second piece never started
    EXPECT_TRUE(tool.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(lines(tool.readAllStandardError()).contains("Splitting was cancelled."));
}

TEST_F(SplitToolTest, GoesOnWhenTheReaderOfItsListGoesAway)
{
    // As in "brindlecut-split ... | head -1": the reader ends before the list is written.
    QProcess tool;
    QProcess reader;
    tool.setStandardOutputProcess(&reader);
    reader.start("true", QStringList{});
    ASSERT_TRUE(reader.waitForFinished(10000));
    rig.start(tool, {rig.sourcePath, "--sections", "3", "--output-dir", rig.outputDir});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(rig.outputs(), QStringList({"clip_Clip1.mp4", "clip_Clip2.mp4", "clip_Clip3.mp4"}));
}

TEST_F(SplitToolTest, AnEncoderThatCannotStartGivesStatusOne)
{
    QFile::remove(rig.program.path("wmaspi.dll"));
    const ToolRun run = rig.run({rig.sourcePath, "--output-dir", rig.outputDir});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(lines(run.err).contains("Error. Please re-install Brindlecut")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}
