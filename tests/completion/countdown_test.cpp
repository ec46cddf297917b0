#include "completion/countdown.h"

#include <gtest/gtest.h>

namespace {

TEST(CountdownTest, CountsFromTenToZeroInTheTextsOfItsMode)
{
    const struct
    {
        CountdownMode mode;
        const char* caption;
        const char* prefix;
    } modes[] = {
        {CountdownMode::Exit, "Exit Now", "The program will exit within"},
        {CountdownMode::PowerOff, "Turn off Now", "The computer will be turned off within"},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.caption);
        Countdown countdown;
        countdown.setMode(m.mode);
        countdown.restart();
        EXPECT_EQ(countdown.actionCaption(), m.caption);
        EXPECT_EQ(countdown.message(), QString::fromUtf8(m.prefix) + " 10 seconds.");

        for (int left = 9; left >= 0; --left) {
            EXPECT_EQ(countdown.tick(), left == 0) << left;
            // The word stays plural, "1 seconds." included.
            EXPECT_EQ(countdown.message(), QStringLiteral("%1 %2 seconds.").arg(QString::fromUtf8(m.prefix)).arg(left));
        }
        // Zero is where it stops: no second action, no negative count.
        EXPECT_FALSE(countdown.tick());
        EXPECT_EQ(countdown.secondsLeft(), 0);

        countdown.restart();
        EXPECT_EQ(countdown.secondsLeft(), 10);
    }
}

} // namespace
