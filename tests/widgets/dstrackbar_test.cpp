#include "widgets/dstrackbar.h"
#include "widgets/mediaseeking.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

class FakeSeeking final : public MediaSeeking
{
public:
    std::int32_t duration() const override { return m_duration; }
    std::int64_t currentPosition() const override { return m_position; }
    std::int64_t stopPosition() const override { return m_stop; }
    void seek(std::int64_t position) override { seeks.push_back(position); }

    std::int32_t m_duration = 0;
    std::int64_t m_position = 0;
    std::int64_t m_stop = 0;
    std::vector<std::int64_t> seeks;
};

class DSTrackBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bar.setGeometry(39, 267, 296, 14);
        bar.setFilterGraph(&media);
    }

    // On the channel, near its right end.
    QPoint rightEnd() const { return {bar.width() - 3, 3}; }

    FakeSeeking media;
    DSTrackBar bar;
};

TEST_F(DSTrackBarTest, TickTakesRangeAndPositionFromTheMediaAndRaisesOnTimer)
{
    EXPECT_EQ(bar.maximum(), 10);
    EXPECT_FALSE(bar.timerEnabled());
    bar.setTimerEnabled(true);
    EXPECT_TRUE(bar.timerEnabled());

    QSignalSpy onTimer(&bar, &DSTrackBar::OnTimer);
    media.m_duration = 125700;
    media.m_position = 65999;
    bar.timerTick();
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 125);
    EXPECT_EQ(bar.value(), 65);
    ASSERT_EQ(onTimer.size(), 1);
    EXPECT_EQ(onTimer[0][0].value<std::int64_t>(), 65999);
    EXPECT_EQ(onTimer[0][1].value<std::int64_t>(), 125700);

    // A shorter source: both shrink at the next tick.
    media.m_duration = 3000;
    media.m_position = 400;
    bar.timerTick();
    EXPECT_EQ(bar.maximum(), 3);
    EXPECT_EQ(bar.value(), 0);

    bar.setTimerEnabled(false);
    EXPECT_FALSE(bar.timerEnabled());
}

TEST_F(DSTrackBarTest, HeldLeftButtonKeepsTheThumbAndReleaseSeeksByTheStopPosition)
{
    bar.setRange(0, 125);
    bar.setValue(0);
    media.m_duration = 125700;
    media.m_stop = 125700;
    media.m_position = 90000;
    QSignalSpy onTimer(&bar, &DSTrackBar::OnTimer);

    QTest::mousePress(&bar, Qt::LeftButton, {}, rightEnd());
    const int held = bar.value();
    ASSERT_GT(held, 0);
    bar.timerTick();
    EXPECT_EQ(bar.value(), held);
    EXPECT_TRUE(onTimer.isEmpty());
    EXPECT_TRUE(media.seeks.empty());

    QTest::mouseRelease(&bar, Qt::LeftButton, {}, rightEnd());
    ASSERT_EQ(media.seeks.size(), 1u);
    EXPECT_EQ(media.seeks[0], 125700LL * bar.value() / 125);

    // Released, the bar follows the media again.
    bar.timerTick();
    EXPECT_EQ(bar.value(), 90);
}

TEST_F(DSTrackBarTest, OnlyTheLeftButtonReleasedOnABarWithLengthSeeks)
{
    bar.setRange(0, 100);
    media.m_stop = 100000;
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    QTest::keyClick(&bar, Qt::Key_PageUp);
    bar.setValue(40);
    QTest::mouseClick(&bar, Qt::RightButton, {}, rightEnd());
    EXPECT_TRUE(media.seeks.empty());

    bar.setRange(0, 0);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, rightEnd());
    EXPECT_TRUE(media.seeks.empty());

    bar.setFilterGraph(nullptr);
    bar.setRange(0, 100);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, rightEnd());
    bar.timerTick();
    EXPECT_EQ(bar.maximum(), 100);
}

TEST_F(DSTrackBarTest, DrawsTheSelectionBandOnlyFromAnEarlierStartToALaterEnd)
{
    bar.setRange(0, 100);
    bar.setThumbLength(8);
    const auto bandPixels = [this](int fromX, int toX) {
        const QImage image = bar.grab().toImage();
        int count = 0;
        for (int x = fromX; x <= toX; ++x) {
            for (int y = 0; y < image.height(); ++y)
                count += image.pixelColor(x, y) == QColor(74, 168, 255) ? 1 : 0;
        }
        return count;
    };

    bar.setSelStart(25);
    bar.setSelEnd(75);
    EXPECT_GT(bandPixels(140, 156), 0);
    EXPECT_EQ(bandPixels(0, 60), 0);
    EXPECT_EQ(bandPixels(240, bar.width() - 1), 0);

    bar.setSelStart(75);
    bar.setSelEnd(25);
    EXPECT_EQ(bandPixels(0, bar.width() - 1), 0);
}

} // namespace
