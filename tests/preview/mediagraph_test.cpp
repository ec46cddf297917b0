#include "preview/mediagraph.h"
#include "support/testmedia.h"

#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoWidget>
#include <gtest/gtest.h>

namespace {

constexpr int kMediaTimeout = 20000;

class MediaGraphTest : public ::testing::Test
{
protected:
    MediaGraphTest() { videoWindow.resize(359, 232); }

    bool waitForDuration(std::int32_t expected)
    {
        return QTest::qWaitFor([&] { return graph.duration() == expected; }, kMediaTimeout);
    }

    QWidget videoWindow;
    MediaGraph graph{&videoWindow};
};

TEST_F(MediaGraphTest, DoesNothingUntilActivated)
{
    QSignalSpy playing(&graph, &MediaGraph::playingChanged);
    graph.clear();
    graph.renderFile(ShortTestVideo());
    graph.play();
    graph.seek(1000);
    graph.pause();
    graph.stop();
    graph.showVideo();
    EXPECT_FALSE(graph.active());
    EXPECT_EQ(graph.duration(), 0);
    EXPECT_EQ(graph.currentPosition(), 0);
    EXPECT_EQ(graph.stopPosition(), 0);
    EXPECT_TRUE(playing.isEmpty());
    EXPECT_EQ(videoWindow.findChild<QVideoWidget*>(), nullptr);
}

TEST_F(MediaGraphTest, PlaysARenderedFileIntoTheVideoWindow)
{
    graph.activate();
    auto* video = videoWindow.findChild<QVideoWidget*>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isHidden());
    EXPECT_EQ(video->geometry(), videoWindow.rect());

    QSignalSpy playing(&graph, &MediaGraph::playingChanged);
    QSignalSpy durations(&graph, &MediaGraph::durationChanged);
    graph.renderFile(LongTestVideo());
    graph.play();
    ASSERT_TRUE(waitForDuration(125700)) << graph.duration();
    EXPECT_EQ(graph.stopPosition(), 125700);
    EXPECT_FALSE(durations.isEmpty());
    ASSERT_EQ(playing.size(), 1);
    EXPECT_TRUE(playing[0][0].toBool());
    graph.showVideo();
    EXPECT_FALSE(video->isHidden());

    graph.pause();
    ASSERT_EQ(playing.size(), 2);
    EXPECT_FALSE(playing[1][0].toBool());
    graph.seek(100000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return graph.currentPosition() >= 100000; }, kMediaTimeout));
    EXPECT_LT(graph.currentPosition(), 101000);

    // Clearing drops the source but keeps the one video widget for the next.
    graph.clear();
    EXPECT_TRUE(waitForDuration(0));
    graph.activate();
    EXPECT_EQ(videoWindow.findChildren<QVideoWidget*>().size(), 1);
    graph.renderFile(ShortTestVideo());
    graph.play();
    EXPECT_TRUE(waitForDuration(20000)) << graph.duration();
    graph.stop();
    EXPECT_FALSE(playing.last()[0].toBool());
}

TEST_F(MediaGraphTest, PlaysEverySupportedContainer)
{
    QTemporaryDir folder;
    graph.activate();
    for (const char* extension : {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"}) {
        SCOPED_TRACE(extension);
        graph.clear();
        graph.renderFile(MakeTestVideo(folder.filePath(QStringLiteral("clip") + QLatin1String(extension)), 2));
        graph.play();
        EXPECT_TRUE(QTest::qWaitFor([&] { return graph.duration() > 1500; }, kMediaTimeout)) << graph.duration();
    }
}

TEST_F(MediaGraphTest, AFileThatCannotBePlayedHasNoLengthAndLeavesTheGraphUsable)
{
    QTemporaryDir folder;
    QFile junk(folder.filePath("junk.mp4"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a video at all");
    junk.close();

    graph.activate();
    graph.renderFile(junk.fileName());
    graph.play();
    const auto* player = graph.findChild<QMediaPlayer*>();
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->mediaStatus() == QMediaPlayer::InvalidMedia; }, kMediaTimeout))
        << player->mediaStatus();
    EXPECT_EQ(graph.duration(), 0);

    graph.clear();
    graph.renderFile(ShortTestVideo());
    graph.play();
    EXPECT_TRUE(waitForDuration(20000)) << graph.duration();
}

} // namespace
