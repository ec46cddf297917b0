#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Every test executable runs with a QApplication on the offscreen platform, and with the guard that
// keeps the program from ever asking for a real power-off.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("BRINDLECUT_NO_POWER_OFF", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
