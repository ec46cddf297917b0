#include "preview/rangemarking.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int kBarWidth = 296;
constexpr int kBarLeft = 39;

TEST(MarkerPlacementTest, MarkersStartAndEndWhereTheSelectionDoes)
{
    const struct
    {
        int position;
        int barMaximum;
        int markerWidth;
        int startLeft;
        int endLeft;
    } cases[] = {
        {50, 100, 60, 187, 127},
        {0, 100, 60, 39, -21},
        {100, 100, 60, 335, 275},
        {10, 125, 58, 63, 5},
        // 1/8 and 3/8 of 4 pixels fall on halves: the even neighbour wins.
        {1, 8, 0, 40, 40},
        {3, 8, 0, 40, 40},
        // A bar of no length puts both markers at its left edge.
        {50, 0, 60, 39, 39},
        {0, 0, 60, 39, 39},
        // The selection may lie past the bar's end or before its start.
        {126, 125, 58, 337, 279},
        {-3600, 125, 60, -8486, -8546},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << " of " << c.barMaximum);
        const int width = c.barMaximum == 8 ? 4 : kBarWidth;
        EXPECT_EQ(StartMarkerLeft(c.position, c.barMaximum, width, kBarLeft), c.startLeft);
        EXPECT_EQ(EndMarkerLeft(c.position, c.barMaximum, width, kBarLeft, c.markerWidth), c.endLeft);
    }
}

TEST(MarkerPlacementTest, EndMarkerDropsOnlyWhenTheMarkersOverlapOrTouch)
{
    const struct
    {
        QRect start;
        QRect end;
        int top;
    } cases[] = {
        {{187, 289, 60, 16}, {127, 289, 60, 16}, 299}, // overlapping
        {{63, 289, 58, 16}, {219, 299, 58, 16}, 289},  // far apart, the end marker still low from before
        {{100, 289, 50, 16}, {151, 289, 40, 16}, 289}, // one pixel between
        {{100, 289, 50, 16}, {150, 289, 40, 16}, 299}, // end starts where start ends
        {{100, 289, 50, 16}, {40, 289, 60, 16}, 299},  // end ends where start begins
        {{100, 289, 50, 16}, {39, 289, 60, 16}, 289},  // end wholly before start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start.x() << "+" << c.start.width() << " / " << c.end.x() << "+"
                                        << c.end.width());
        EXPECT_EQ(EndMarkerTop(c.start, c.end), c.top);
    }
}

TEST(RangeRulesTest, TypedTimesAreHeldToTheMediaAndRoundedToEvenSeconds)
{
    EXPECT_DOUBLE_EQ(ClampToDuration(130, 125700), 125.7);
    EXPECT_DOUBLE_EQ(ClampToDuration(10.6, 125700), 10.6);
    EXPECT_DOUBLE_EQ(ClampToDuration(-5, 125700), -5);
    EXPECT_DOUBLE_EQ(ClampToDuration(5, 0), 0);

    EXPECT_EQ(BarPositionOf(10.6), 11);
    EXPECT_EQ(BarPositionOf(125.7), 126);
    EXPECT_EQ(BarPositionOf(2.5), 2);
    EXPECT_EQ(BarPositionOf(3.5), 4);
    EXPECT_EQ(BarPositionOf(-1e300), std::numeric_limits<int>::min());
}

TEST(RangeRulesTest, LengthLineTellsTheLengthOrThatTheEndsAreReversed)
{
    EXPECT_EQ(RangeLengthText(10, 70, 60), "The length of the marked rang is 00:01:00");
    // The length may carry a fraction the whole-second selection does not.
    EXPECT_EQ(RangeLengthText(5, 11, 10.6 - 5), "The length of the marked rang is 00:00:05");
    EXPECT_EQ(RangeLengthText(50, 0, -50), "The End Time should be later than the Start Time.");
    EXPECT_EQ(RangeLengthText(5, 5, 0.4), "The End Time should be later than the Start Time.");
}

} // namespace
