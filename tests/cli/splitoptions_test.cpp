#include "cli/splitoptions.h"
#include "cli/timeargument.h"
#include "platform/numbers.h"
#include "split/timecode.h"

#include <gtest/gtest.h>

namespace {

SplitOptions parsed(const QStringList& arguments)
{
    const auto result = ParseSplitOptions(arguments);
    if (const auto* error = std::get_if<OptionError>(&result)) {
        ADD_FAILURE() << error->text.toStdString();
        return {};
    }
    return std::get<SplitOptions>(result);
}

} // namespace

TEST(SplitOptions, ReadsEveryOptionWithItsValueApartOrJoined)
{
    const SplitOptions options =
        parsed({"a b.mp4", "--start", "10", "--end=00:01:00", "--sections", "3", "--profile", "MP4 - H.264 and AAC",
                "--set", "Video Size=640x480", "--set=Preset=Ultra Fast", "--output-dir", "/o", "--overwrite",
                "--fast-seek", "--app-dir=/p"});
    EXPECT_EQ(options.source, "a b.mp4");
    EXPECT_EQ(options.start, "10");
    EXPECT_EQ(options.end, "00:01:00");
    EXPECT_EQ(options.sections, "3");
    EXPECT_EQ(options.profile, "MP4 - H.264 and AAC");
    EXPECT_EQ(options.choices,
              (QList<ParameterChoice>{{"Video Size", "640x480"}, {"Preset", "Ultra Fast"}})); // in order
    EXPECT_EQ(options.outputDir, "/o");
    EXPECT_TRUE(options.overwrite);
    EXPECT_EQ(options.fastSeek, true);
    EXPECT_EQ(options.appDir, "/p");
    EXPECT_FALSE(options.help);
}

TEST(SplitOptions, LeavesWhatIsNotGivenToTheDefaultsAndLetsTheLastWord)
{
    const SplitOptions bare = parsed({"a.mp4"});
    EXPECT_FALSE(bare.start || bare.end || bare.sections || bare.profile || bare.outputDir || bare.appDir);
    EXPECT_FALSE(bare.fastSeek.has_value()); // the preference decides
    EXPECT_FALSE(bare.overwrite);
    EXPECT_TRUE(bare.choices.isEmpty());

    EXPECT_EQ(parsed({"a.mp4", "--fast-seek", "--exact-seek"}).fastSeek, false);
    EXPECT_EQ(parsed({"--exact-seek", "a.mp4", "--fast-seek"}).fastSeek, true);
    EXPECT_EQ(parsed({"--start", "1", "a.mp4", "--start", "2"}).start, "2");
    EXPECT_EQ(parsed({"--", "--odd.mp4"}).source, "--odd.mp4");
    EXPECT_EQ(parsed({"--set", "Title=a=b", "x.mp4"}).choices, (QList<ParameterChoice>{{"Title", "a=b"}}));
    EXPECT_EQ(parsed({"--set", "Title=", "x.mp4"}).choices, (QList<ParameterChoice>{{"Title", ""}}));
    EXPECT_TRUE(parsed({"--help"}).help);
    EXPECT_TRUE(parsed({"x.mp4", "-h"}).help);
}

TEST(SplitOptions, RefusesACommandLineItCannotRead)
{
    const struct
    {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{}, "no source video given"},
        {{"--overwrite"}, "no source video given"},
        {{"a.mp4", "b.mp4"}, "one source video only, not also \"b.mp4\""},
        {{"a.mp4", "--bogus"}, "unknown option --bogus"},
        {{"a.mp4", "--start"}, "--start needs a value"},
        {{"a.mp4", "--overwrite=1"}, "--overwrite takes no value"},
        {{"a.mp4", "--set", "Preset"}, "--set needs \"PARAMETER=VALUE\", not \"Preset\""},
        {{"a.mp4", "--set", "=fast"}, "--set needs \"PARAMETER=VALUE\", not \"=fast\""},
    };
    for (const auto& c : cases) {
        const auto result = ParseSplitOptions(c.arguments);
        ASSERT_TRUE(std::holds_alternative<OptionError>(result)) << c.error;
        EXPECT_EQ(std::get<OptionError>(result).text, c.error);
    }
}

TEST(TimeArgumentText, TakesTimeCodesAndPlainSecondsWithThePointInAnyLocale)
{
    const struct
    {
        QChar separator;
        const char* argument;
        double seconds;
    } cases[] = {
        {'.', "90", 90},       {'.', "12.25", 12.25},     {'.', "00:01:30.5", 90.5}, {'.', "1:2:3", 3723},
        {',', "12.25", 12.25}, {',', "00:00:5.25", 5.25}, {',', "00:00:5,25", 5.25}, {',', "7,5", 7.5},
        {'.', "-3", -3},       {'.', "1e2", 100},         {'.', "abc", -1},          {'.', "", -1},
        {'.', "00:00:.5", -1}, {'.', "1:2", -1},          {'.', "00:00:-1", -1},     {'.', "-1", -1},
    };
    for (const auto& c : cases) {
        OverrideLocaleDecimalSeparator(c.separator);
        EXPECT_EQ(TimeCodeToSeconds(TimeArgumentText(QString::fromLatin1(c.argument))), c.seconds)
            << c.argument << " with " << c.separator.toLatin1();
    }
    OverrideLocaleDecimalSeparator(std::nullopt);
}
