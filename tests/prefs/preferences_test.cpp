#include "platform/inifile.h"
#include "prefs/preferences.h"
#include "support/tempprogramdir.h"

#include <gtest/gtest.h>

namespace {

Preferences readMain(const TempProgramDir& program)
{
    return ReadPreferences(IniFile(program.path("Preferences.ini")), PreferencesSection::Main, program.appDir());
}

} // namespace

TEST(Preferences, MissingFileReadsAsEveryBoxCheckedTheProgramFolderAndTheFirstProfile)
{
    const TempProgramDir program;
    const Preferences read = readMain(program);
    EXPECT_TRUE(read.preview && read.overwrite && read.aptotic && read.autoOpenDir && read.autoExit &&
                read.autoTurnOff);
    EXPECT_FALSE(read.fastSeek);
    EXPECT_EQ(read.outputDir, program.appDir());
    EXPECT_EQ(ReadProfileIndex(IniFile(program.path("Preferences.ini"))), 0);
}

TEST(Preferences, EachKeyIsReadFromItsSectionAndTheProfileAlwaysFromMain)
{
    const TempProgramDir program;
    program.writeFile("Preferences.ini", "[Main]\n"
                                         "Preview=0\nOverwrite=1\nAptotic=0\nOutput Dir=/main/\n"
                                         "Auto Open Dir=0\nAuto Exit=1\nAuto Turn Off=0\nFast Seek=1\nProfile=3\n"
                                         "[Default]\n"
                                         "Preview=1\nOverwrite=0\nAptotic=1\nOutput Dir=\n"
                                         "Auto Open Dir=1\nAuto Exit=0\nAuto Turn Off=1\nProfile=5\n");
    const IniFile file(program.path("Preferences.ini"));

    const Preferences main = ReadPreferences(file, PreferencesSection::Main, program.appDir());
    EXPECT_FALSE(main.preview);
    EXPECT_TRUE(main.overwrite);
    EXPECT_FALSE(main.aptotic);
    EXPECT_EQ(main.outputDir, "/main/");
    EXPECT_FALSE(main.autoOpenDir);
    EXPECT_TRUE(main.autoExit);
    EXPECT_FALSE(main.autoTurnOff);
    EXPECT_TRUE(main.fastSeek);

    const Preferences defaults = ReadPreferences(file, PreferencesSection::Default, program.appDir());
    EXPECT_TRUE(defaults.preview);
    EXPECT_FALSE(defaults.overwrite);
    EXPECT_TRUE(defaults.aptotic);
    EXPECT_EQ(defaults.outputDir, ""); // present and empty is not absent
    EXPECT_TRUE(defaults.autoOpenDir);
    EXPECT_FALSE(defaults.autoExit);
    EXPECT_TRUE(defaults.autoTurnOff);
    EXPECT_FALSE(defaults.fastSeek); // absent here

    EXPECT_EQ(ReadProfileIndex(file), 3);
}

TEST(Preferences, BooleansAreWholeNumbersAndAnythingElseReadsAsAbsent)
{
    const struct
    {
        const char* value;
        bool read;
    } cases[] = {
        {"1", true},   {"0", false},  {"2", true},     {"0x1", true}, {"$0", false},
        {" -1", true}, {"yes", true}, {"false", true}, {"1.0", true}, {"", true},
    };
    const TempProgramDir program;
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", QByteArray("[Main]\nAuto Turn Off=") + c.value + "\n");
        EXPECT_EQ(readMain(program).autoTurnOff, c.read) << '"' << c.value << '"';
    }
}
