#include "platform/powercontrol.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// The test harness sets the variable; a typo on either side would leave only the fake between a test and a
// real power-off. Nothing here ever asks for one.
TEST(PowerControlTest, TheHarnessVariableRefusesThePowerOff)
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("BRINDLECUT_NO_POWER_OFF"));
    EXPECT_TRUE(PowerOffRefusedByEnvironment());

    const QByteArray saved = qgetenv(kNoPowerOffVariable);
    qputenv(kNoPowerOffVariable, QByteArray(""));
    EXPECT_TRUE(PowerOffRefusedByEnvironment()) << "set but empty still refuses";
    qunsetenv(kNoPowerOffVariable);
    EXPECT_FALSE(PowerOffRefusedByEnvironment());
    qputenv(kNoPowerOffVariable, saved);
    EXPECT_TRUE(PowerOffRefusedByEnvironment());
}

} // namespace
