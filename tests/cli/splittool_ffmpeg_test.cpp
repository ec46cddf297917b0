#include "splittoolrig.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 25;

double durationOf(const QString& ffprobe, const QString& path)
{
    QProcess probe;
    probe.start(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return -1;
    return probe.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

TEST(SplitToolWithTheRealEncoder, ThreeSectionsTileTheRange)
{
    SplitToolRig rig;
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffmpeg.isEmpty() || ffprobe.isEmpty())
        GTEST_SKIP() << "ffmpeg and ffprobe are needed";
    rig.program.copyShippedProfiles();
    ASSERT_TRUE(QFile::link(ffmpeg, rig.program.path("wmaspi.dll")));
    ASSERT_TRUE(rig.makeVideo("in/clip.mp4", 9, true));

    const ToolRun run =
        rig.run({rig.sourcePath, "--start", "1.5", "--end", "00:00:07.5", "--sections", "3", "--profile",
                 "MP4 - H.264 and AAC", "--set", "Preset=Ultra Fast", "--fast-seek", "--output-dir", rig.outputDir},
                120000);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(rig.outputs(), QStringList({"clip_Clip1.mp4", "clip_Clip2.mp4", "clip_Clip3.mp4"}));
    for (int n = 1; n <= 3; ++n)
        EXPECT_NEAR(durationOf(ffprobe, rig.outputDir + QStringLiteral("/clip_Clip%1.mp4").arg(n)), 2, kFrame)
            << "piece " << n;
}
