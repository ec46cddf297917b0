#include "split/splitjob.h"
#include "splitjobrig.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 25;
const QString kSwitches = QStringLiteral(" -c:v libx264 -preset ultrafast -c:a aac");

bool runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    return true;
}

double durationOf(const QString& ffprobe, const QString& path)
{
    QByteArray output;
    if (!runTool(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path}, &output))
        return -1;
    return output.trimmed().toDouble();
}

// The MD5 of the first decoded picture at or after `from` seconds, decoding from the file's start.
QByteArray firstPictureDigest(const QString& ffmpeg, const QString& path, int from = 0)
{
    QByteArray output;
    if (!runTool(ffmpeg,
                 {"-v", "error", "-i", path, "-ss", QString::number(from), "-an", "-frames:v", "1", "-f", "md5", "-"},
                 &output))
        return "(failed)";
    return output.trimmed();
}

// The real encoder over a generated 30-second video with sound.
class RealEncoderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ffmpeg = QStandardPaths::findExecutable("ffmpeg");
        ffprobe = QStandardPaths::findExecutable("ffprobe");
        if (ffmpeg.isEmpty() || ffprobe.isEmpty())
            GTEST_SKIP() << "ffmpeg and ffprobe are needed";
        ASSERT_TRUE(QFile::link(ffmpeg, rig.context.EncoderPath));
        rig.sourcePath = rig.program.path("in/source.mp4");
        ASSERT_TRUE(runTool(ffmpeg, {"-y",
                                     "-v",
                                     "error",
                                     "-f",
                                     "lavfi",
                                     "-i",
                                     "testsrc=duration=30:size=160x120:rate=25",
                                     "-f",
                                     "lavfi",
                                     "-i",
                                     "sine=frequency=440:duration=30",
                                     "-c:v",
                                     "libx264",
                                     "-preset",
                                     "ultrafast",
                                     "-pix_fmt",
                                     "yuv420p",
                                     "-c:a",
                                     "aac",
                                     "-shortest",
                                     rig.sourcePath}));
    }

    SplitJobRig rig;
    QString ffmpeg;
    QString ffprobe;
};

} // namespace

TEST_F(RealEncoderTest, EqualSectionsTileTheRange)
{
    rig.start(rig.plan("00:00:00", "00:00:30", SplitMode::EqualSections, "3"), kSwitches);
    ASSERT_TRUE(rig.waitForEnd(120000));
    ASSERT_EQ(rig.end->kind, SplitJobEnd::Kind::Completed);
    ASSERT_TRUE(rig.end->failedPieces.isEmpty()) << DescribeFailedPieces(rig.end->failedPieces).toStdString();

    double sum = 0;
    for (int n = 1; n <= 3; ++n) {
        const double duration = durationOf(ffprobe, rig.outputDir + QStringLiteral("/source_Clip%1.mp4").arg(n));
        EXPECT_NEAR(duration, 10, kFrame) << "piece " << n;
        sum += duration;
    }
    EXPECT_NEAR(sum, 30, 3 * kFrame);
}

TEST_F(RealEncoderTest, FastSeekCutsEachSectionAtItsFrame)
{
    // Lossless, so a piece's first picture is the source's picture at the piece's start, bit for bit.
    rig.start(rig.plan("00:00:03", "00:00:27", SplitMode::EqualSections, "3"),
              " -c:v libx264 -preset ultrafast -qp 0 -c:a aac", {.fastSeek = true});
    ASSERT_TRUE(rig.waitForEnd(120000));
    ASSERT_EQ(rig.end->kind, SplitJobEnd::Kind::Completed);
    ASSERT_TRUE(rig.end->failedPieces.isEmpty()) << DescribeFailedPieces(rig.end->failedPieces).toStdString();
    for (int n = 1; n <= 3; ++n) {
        const QString piece = rig.outputDir + QStringLiteral("/source_Clip%1.mp4").arg(n);
        EXPECT_NEAR(durationOf(ffprobe, piece), 8, kFrame) << "piece " << n;
        EXPECT_EQ(firstPictureDigest(ffmpeg, piece), firstPictureDigest(ffmpeg, rig.sourcePath, 3 + 8 * (n - 1)))
            << "piece " << n;
    }
}

TEST_F(RealEncoderTest, OneClipHasTheRangesLength)
{
    rig.start(rig.plan("00:00:12.25", "00:00:20", SplitMode::OneClip), kSwitches);
    ASSERT_TRUE(rig.waitForEnd(120000));
    ASSERT_EQ(rig.end->kind, SplitJobEnd::Kind::Completed);
    ASSERT_TRUE(rig.end->failedPieces.isEmpty()) << DescribeFailedPieces(rig.end->failedPieces).toStdString();
    EXPECT_NEAR(durationOf(ffprobe, rig.outputDir + "/source_Clip1.mp4"), 7.75, kFrame);
}
