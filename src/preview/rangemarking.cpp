#include "preview/rangemarking.h"

#include "platform/numbers.h"
#include "split/timecode.h"

#include <algorithm>
#include <limits>

namespace {

int clampToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

int StartMarkerLeft(int selStart, int barMaximum, int barWidth, int barLeft)
{
    if (barMaximum == 0)
        return barLeft;
    return clampToInt(RoundHalfEven(static_cast<double>(selStart) / barMaximum * barWidth + barLeft));
}

int EndMarkerLeft(int selEnd, int barMaximum, int barWidth, int barLeft, int markerWidth)
{
    if (barMaximum == 0)
        return barLeft;
    return clampToInt(RoundHalfEven(static_cast<double>(selEnd) / barMaximum * barWidth + barLeft - markerWidth));
}

int EndMarkerTop(const QRect& start, const QRect& end)
{
    const bool apart = start.x() + start.width() < end.x() || end.x() + end.width() < start.x();
    return apart ? start.y() : start.y() + kMarkerStagger;
}

double ClampToDuration(double seconds, std::int32_t durationMs)
{
    const double duration = durationMs / 1000.0;
    return duration < seconds ? duration : seconds;
}

int BarPositionOf(double seconds)
{
    // A time typed far before zero has no lower bound, but the bar counts in int.
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return clampToInt(RoundHalfEven(std::clamp(seconds, lowest, highest)));
}

QString RangeLengthText(int selStart, int selEnd, double lengthSeconds)
{
    if (selStart < selEnd)
        return kRangeLengthPrefix + SecondsToTimeCode(lengthSeconds);
    return kRangeReversedText;
}
