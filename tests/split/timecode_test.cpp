#include "platform/numbers.h"
#include "split/timecode.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

class SeparatorGuard
{
public:
    explicit SeparatorGuard(QChar separator) { OverrideLocaleDecimalSeparator(separator); }
    ~SeparatorGuard() { OverrideLocaleDecimalSeparator(std::nullopt); }
};

} // namespace

TEST(SecondsToTimeCode, WritesWholeSecondsInTwoDigitFields)
{
    const struct
    {
        double seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},     {59.99, "00:00:59"},          {3599.5, "00:59:59"}, {3600, "01:00:00"},
        {86400, "24:00:00"}, {360000, "100:00:00"},        {-30, "00:00:-30"},   {-61.5, "00:-01:-01"},
        {3723, "01:02:03"},  {2147483647, "596523:14:07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SecondsToTimeCode(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(TimeCodeToSeconds, ReadsTheAcceptedForms)
{
    SeparatorGuard point(QLatin1Char('.'));
    const struct
    {
        const char* text;
        double seconds;
    } cases[] = {
        {"00:00:00", 0},    {"01:02:03", 3723},  {"1:2:3", 3723},      {" 1:2:3", 3723},
        {"1 :2:3", -1},     {"00:00:05 ", 5},    {"00:00:5.25", 5.25}, {"00:90:00", 5400},
        {"00:75:90", 4590}, {"1:2:3.5", 3723.5}, {"-1:00:00", -3600},  {"00:00:-1", -1},
        {"00:00:.5", -1},   {"00:00", -1},       {"000000", -1},       {"", -1},
        {"::", -1},         {"1:2:3:4", -1},     {"a:00:00", -1},      {"$10:00:00", 57600},
        {"+ :00:00", -1},   {"0x1:0X1:1", 3661}, {"00:00:1e1", 10},    {"00:00:5,25", -1},
        {"00:00:", -1},     {"00::05", -1},      {"00:00: 5", 5},      {"00:00:5 x", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeCodeToSeconds(QString::fromLatin1(c.text)), c.seconds) << c.text;
}

TEST(TimeCodeToSeconds, FollowsTheLocaleSeparator)
{
    SeparatorGuard comma(QLatin1Char(','));
    EXPECT_EQ(TimeCodeToSeconds(QStringLiteral("00:00:5,25")), 5.25);
    EXPECT_EQ(TimeCodeToSeconds(QStringLiteral("00:00:5.25")), -1);
    // A seconds field that begins with a point is refused whatever the separator.
    EXPECT_EQ(TimeCodeToSeconds(QStringLiteral("00:00:.5")), -1);
    EXPECT_EQ(TimeCodeToSeconds(QStringLiteral("00:00:,5")), 0.5);
}

TEST(TimeCodeRoundTrip, GivesTheTruncatedSecondsFromZeroToInt32Max)
{
    SeparatorGuard point(QLatin1Char('.'));
    std::vector<std::int64_t> samples = {0, 1, 2, 59, 60, 61, 3599, 3600, 3601, 86399, 86400, 2147483646, 2147483647};
    for (std::int64_t power = 1; power <= 1000000000; power *= 10)
        for (std::int64_t delta : {-1, 0, 1})
            samples.push_back(power + delta);
    // A few thousand values spread over the range, with a stride that is prime to every field size.
    for (std::int64_t x = 7; x < 2147483647; x += 524287)
        samples.push_back(x);

    for (const std::int64_t whole : samples)
        for (const double fraction : {0.0, 0.25, 0.999}) {
            const double x = static_cast<double>(whole) + (whole == 2147483647 ? 0.0 : fraction);
            ASSERT_EQ(TimeCodeToSeconds(SecondsToTimeCode(x)), std::trunc(x)) << whole;
        }
}
