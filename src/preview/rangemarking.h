#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

// The rules that keep the marked range's text fields, the bar's selection band and the two marker labels under
// the bar in step. Positions are whole seconds of the position bar; pixels are those of the bar's parent.

inline const QString kRangeLengthPrefix = QStringLiteral("The length of the marked rang is ");
inline const QString kRangeReversedText = QStringLiteral("The End Time should be later than the Start Time.");

// How far below the start marker an end marker that would touch it is drawn.
constexpr int kMarkerStagger = 10;

// Left edge of the start marker, which begins where the selection starts: selStart / maximum x width + left,
// to the nearest pixel, ties to even. A bar of maximum 0 puts it at the bar's left edge.
int StartMarkerLeft(int selStart, int barMaximum, int barWidth, int barLeft);
// Left edge of the end marker of width `markerWidth`, which ends where the selection ends, rounded the same
// way. A bar of maximum 0 puts its left edge, like the start marker's, at the bar's left edge.
int EndMarkerLeft(int selEnd, int barMaximum, int barWidth, int barLeft, int markerWidth);

// The top of the end marker: that of the start marker when the two lie apart, 10 pixels lower when they
// overlap or touch.
int EndMarkerTop(const QRect& start, const QRect& end);

// A typed time held to the media's length: no later than `durationMs` / 1000 seconds, no lower bound.
double ClampToDuration(double seconds, std::int32_t durationMs);

// The bar position (or selection end) for a time in seconds: the nearest whole second, ties to even.
int BarPositionOf(double seconds);

// The length line: the length of the range when the selection starts before it ends, else the warning.
QString RangeLengthText(int selStart, int selEnd, double lengthSeconds);
