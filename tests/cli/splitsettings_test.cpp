#include "cli/splitsettings.h"
#include "split/timecode.h"
#include "support/tempprogramdir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class SplitSettingsTest : public ::testing::Test
{
protected:
    SplitSettingsTest()
    {
        program.writeFile("Profiles/b.apf", "[Main]\n");
        program.writeFile("Profiles/A.apf", "[Main]\n");
        program.writeFile("Profiles/notes.txt", "");
        context = ToolContext(program.appDir());
    }

    SplitSettings resolve(const SplitOptions& options, std::int64_t durationMs = 12345) const
    {
        return ResolveSplitSettings(options, context, durationMs);
    }

    static SplitOptions source(const char* path)
    {
        SplitOptions options;
        options.source = QString::fromLatin1(path);
        return options;
    }

    TempProgramDir program;
    AppContext context;
};

} // namespace

TEST_F(SplitSettingsTest, WithoutPreferencesCutsTheWholeSourceIntoOneClipWithTheFirstProfile)
{
    const SplitSettings settings = resolve(source("/videos/trip.mp4"));
    const SplitInputs& inputs = settings.inputs;
    EXPECT_EQ(inputs.sourcePath, "/videos/trip.mp4");
    EXPECT_EQ(TimeCodeToSeconds(inputs.startText), 0);
    EXPECT_EQ(TimeCodeToSeconds(inputs.endText), 12.345);
    EXPECT_EQ(inputs.durationMs, 12345);
    EXPECT_EQ(inputs.mode, SplitMode::OneClip);
    EXPECT_EQ(settings.profileName, "A");
    EXPECT_EQ(inputs.profilePath, program.path("Profiles/A.apf"));
    EXPECT_EQ(inputs.outputDir, program.appDir()); // "Aptotic" and "Output Dir" absent: the program folder
    EXPECT_FALSE(settings.fastSeek);
    EXPECT_FALSE(settings.overwrite);
}

TEST_F(SplitSettingsTest, TakesWhatTheCommandLineGives)
{
    SplitOptions options = source("trip.mp4");
    options.start = "1.5";
    options.end = "00:00:07.5";
    options.sections = "3";
    options.profile = "b";
    options.outputDir = "out";
    options.overwrite = true;
    options.choices = {{"Preset", "Fast"}};
    const SplitSettings settings = resolve(options);
    EXPECT_EQ(settings.inputs.sourcePath, QDir::current().absoluteFilePath("trip.mp4")); // made absolute
    EXPECT_EQ(TimeCodeToSeconds(settings.inputs.startText), 1.5);
    EXPECT_EQ(TimeCodeToSeconds(settings.inputs.endText), 7.5);
    EXPECT_EQ(settings.inputs.mode, SplitMode::EqualSections);
    EXPECT_EQ(settings.inputs.sectionText, "3");
    EXPECT_EQ(settings.inputs.profilePath, program.path("Profiles/b.apf"));
    EXPECT_EQ(settings.inputs.outputDir, QDir::current().absoluteFilePath("out"));
    EXPECT_TRUE(settings.overwrite);
    EXPECT_EQ(settings.choices, options.choices);
}

TEST_F(SplitSettingsTest, TheSavedProfilePositionChoosesTheProfileWhenItNamesOne)
{
    const struct
    {
        const char* saved;
        const char* profile;
    } cases[] = {{"Profile=1", "b"}, {"Profile=0", "A"}, {"Profile=2", "A"}, {"Profile=-1", "A"}, {"", "A"}};
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", QByteArray("[Main]\n") + c.saved + "\n");
        EXPECT_EQ(resolve(source("/v/a.mp4")).profileName, c.profile) << c.saved;
    }

    const TempProgramDir empty;
    EXPECT_EQ(DefaultProfileName(ToolContext(empty.appDir())), ""); // the job refuses the missing profile
}

TEST_F(SplitSettingsTest, ChoosesTheOutputFolderAsTheWindowWould)
{
    const struct
    {
        const char* preferences;
        const char* source;
        const char* folder;
    } cases[] = {
        {"Aptotic=1\nOutput Dir=/fixed/out\n", "/videos/trip.mp4", "/fixed/out"},
        {"Aptotic=0\nOutput Dir=/fixed/out\n", "/videos/trip.mp4", "/videos/"},
        {"Aptotic=0\n", "/trip.mp4", "/"},
    };
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", QByteArray("[Main]\n") + c.preferences);
        EXPECT_EQ(resolve(source(c.source)).inputs.outputDir, c.folder) << c.preferences;
    }
}

TEST_F(SplitSettingsTest, TheSeekModeIsThePreferenceUnlessTheCommandLineNamesOne)
{
    const struct
    {
        const char* preference;
        std::optional<bool> option;
        bool fastSeek;
    } cases[] = {
        {"", std::nullopt, false},     {"Fast Seek=1", std::nullopt, true}, {"Fast Seek=0", std::nullopt, false},
        {"Fast Seek=1", false, false}, {"Fast Seek=0", true, true},         {"", true, true},
    };
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", QByteArray("[Main]\n") + c.preference + "\n");
        SplitOptions options = source("/v/a.mp4");
        options.fastSeek = c.option;
        EXPECT_EQ(resolve(options).fastSeek, c.fastSeek) << c.preference;
    }
}

TEST(ToolContext, PutsTheEncoderInTheProgramFolder)
{
    const AppContext context = ToolContext("/opt/brindlecut");
    EXPECT_EQ(context.AppDir, "/opt/brindlecut/");
    EXPECT_EQ(context.EncoderPath, "/opt/brindlecut/wmaspi.dll");
    EXPECT_EQ(context.ProfileDir(), "/opt/brindlecut/Profiles/");
    EXPECT_EQ(ToolContext("/opt/brindlecut/").AppDir, "/opt/brindlecut/");
    EXPECT_EQ(ToolContext("rel").AppDir, QDir::current().absoluteFilePath("rel") + "/");
}
