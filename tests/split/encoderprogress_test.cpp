#include "split/encoderprogress.h"
#include "split/processclock.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <optional>

TEST(ProgressTimeInChunk, ReadsTheFirstTimeUpToTheNextBlank)
{
    using namespace std::string_view_literals;
    const struct
    {
        std::string_view chunk;
        std::optional<double> seconds;
    } cases[] = {
        {"frame= 250 fps= 25 q=2.0 size= 1024kB time=10.00 bitrate= 838.9kbits/s", 10.0},
        {"frame= 250 fps= 25 q=2.0 size= 1024kB time=10.00", std::nullopt},
        {" bitrate= 838.9kbits/s\r", std::nullopt},
        {"size= 1kB time=1.50 bitrate=1\rsize= 2kB time=2.50 bitrate=1\r", 1.5},
        {"size= 256kB time=00:01:02.50 bitrate= 33.5kbits/s speed=2x", 62.5},
        {"time=01:00:00 x", 3600.0},
        {"time=-00:00:00.04 x", -0.04},
        {"size=N/A time=N/A bitrate=N/A", std::nullopt},
        {"creation_time   : 2024-01-01 time=5.00 x", std::nullopt}, // only the first "time" counts
        {"Time=5.00 x", std::nullopt},
        {"time= 5.00 x", std::nullopt},
        {"time=5,00 x", std::nullopt},
        {"time:7 x", 7.0},
        {"time=", std::nullopt},
        {"time", std::nullopt},
        {"ab\0time=5.00 x"sv, std::nullopt}, // the chunk ends at a zero byte
        {"time=5.00 x\0tail"sv, 5.0},
    };
    for (const auto& c : cases) {
        const QByteArray chunk(c.chunk.data(), static_cast<qsizetype>(c.chunk.size()));
        EXPECT_EQ(ProgressTimeInChunk(chunk), c.seconds) << chunk.toStdString();
    }
}

TEST(EncoderProgress, MovesOnlyForwardAndBelowTheLimit)
{
    EncoderProgress progress(1, 1, 100);
    const struct
    {
        const char* chunk;
        double lastTime;
    } steps[] = {
        {"time=5 x", 5},     {"time=4 x", 5},   {"time=6 x", 6},
        {"no time here", 6}, {"time=1e9 x", 6}, {"time=999999999 x", 999999999},
    };
    for (const auto& step : steps) {
        progress.takeChunk(step.chunk);
        EXPECT_EQ(progress.LastTime(), step.lastTime) << step.chunk;
    }
}

TEST(EncoderProgress, KeepsAValueCutAtTheChunkEndOut)
{
    EncoderProgress progress(1, 1, 20);
    progress.takeChunk("frame= 250 fps= 25 q=2.0 size= 1024kB time=10.00");
    progress.takeChunk(" bitrate= 838.9kbits/s\r");
    EXPECT_EQ(progress.LastTime(), 0);
    EXPECT_EQ(progress.currentPosition(), 0);
}

TEST(EncoderProgress, DrivesBothBarsWithTiesToEven)
{
    const struct
    {
        int n;
        int count;
        double pieceLength;
        const char* chunk;
        int current;
        int total;
    } cases[] = {
        {1, 1, 20, "time=25 x", 100, 100}, // the current bar stops at 100
        {3, 4, 10, "time=5 x", 50, 62},    // (50 + 200) / 4 = 62.5
        {4, 4, 10, "time=3 x", 30, 82},    // (30 + 300) / 4 = 82.5
        {1, 1, 8, "time=5 x", 62, 62},     // 62.5
        {1, 1, 8, "time=3 x", 38, 38},     // 37.5
        {2, 3, 0, "time=4 x", 0, 33},      // no length: the current bar stays
    };
    for (const auto& c : cases) {
        EncoderProgress progress(c.n, c.count, c.pieceLength);
        progress.takeChunk(c.chunk);
        EXPECT_EQ(progress.currentPosition(), c.current) << c.chunk << " of " << c.pieceLength;
        EXPECT_EQ(progress.totalPosition(), c.total) << c.chunk << " of " << c.pieceLength;
    }
}

TEST(ProcessClock, ShowsElapsedAndRemainingTime)
{
    ProcessClock clock;
    for (int i = 0; i < 30; ++i)
        clock.tick(25);
    EXPECT_EQ(clock.elapsedText(), "00:00:30");
    EXPECT_EQ(clock.remainingText(), "00:01:30");
    clock.tick(0);
    EXPECT_EQ(clock.elapsedText(), "00:00:31");
    EXPECT_EQ(clock.remainingText(), "00:00:00");

    clock.reset();
    for (int i = 0; i < 3; ++i)
        clock.tick(40);
    EXPECT_EQ(clock.ElapsedSeconds(), 3);
    EXPECT_EQ(clock.remainingSeconds(), 4); // 7.5 - 3 = 4.5, a tie to the even neighbour
}
