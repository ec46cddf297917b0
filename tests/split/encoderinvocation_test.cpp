#include "split/encoderinvocation.h"
#include "split/windowscommandline.h"

#include <gtest/gtest.h>

TEST(EncoderInvocation, BuildsTheCommandTextAndTheMatchingArgumentVector)
{
    const EncoderInvocation invocation{"C:\\v\\a.wmv", "12.3", "7.75", " -b 800k", "D:\\out\\a_Clip1.wmv"};
    EXPECT_EQ(EncoderCommand(invocation), " -y -i \"C:\\v\\a.wmv\" -ss 12.3 -t 7.75 -b 800k \"D:\\out\\a_Clip1.wmv\"");
    EXPECT_EQ(EncoderArguments(invocation), QStringList({"-y", "-i", "C:\\v\\a.wmv", "-ss", "12.3", "-t", "7.75", "-b",
                                                         "800k", "D:\\out\\a_Clip1.wmv"}));

    const EncoderInvocation noSwitches{"/v/a\" -f x.mp4", "0", "1", "", "/o/-a \"b\".mp4"};
    EXPECT_EQ(EncoderCommand(noSwitches), " -y -i \"/v/a\" -f x.mp4\" -ss 0 -t 1 \"/o/-a \"b\".mp4\"");
    EXPECT_EQ(EncoderArguments(noSwitches),
              QStringList({"-y", "-i", "/v/a\" -f x.mp4", "-ss", "0", "-t", "1", "/o/-a \"b\".mp4"}));
}

TEST(EncoderInvocation, FastSeekPutsTheSeekBeforeTheInputAndLeavesTheRestAsItIs)
{
    const struct
    {
        bool fastSeek;
        const char* command;
        QStringList arguments;
    } cases[] = {
        {false,
         " -y -i \"/v/a b.mp4\" -ss 12.3 -t 7.75 -c:v copy \"/o/a_Clip1.mp4\"",
         {"-y", "-i", "/v/a b.mp4", "-ss", "12.3", "-t", "7.75", "-c:v", "copy", "/o/a_Clip1.mp4"}},
        {true,
         " -y -ss 12.3 -i \"/v/a b.mp4\" -t 7.75 -c:v copy \"/o/a_Clip1.mp4\"",
         {"-y", "-ss", "12.3", "-i", "/v/a b.mp4", "-t", "7.75", "-c:v", "copy", "/o/a_Clip1.mp4"}},
    };
    for (const auto& c : cases) {
        EncoderInvocation invocation{"/v/a b.mp4", "12.3", "7.75", " -c:v copy", "/o/a_Clip1.mp4"};
        invocation.fastSeek = c.fastSeek;
        EXPECT_EQ(EncoderCommand(invocation), c.command) << c.fastSeek;
        EXPECT_EQ(EncoderArguments(invocation), c.arguments) << c.fastSeek;
    }
}

TEST(SplitWindowsCommandLine, FollowsTheWindowsQuotingAndBackslashRules)
{
    const struct
    {
        const char* text;
        QStringList arguments;
    } cases[] = {
        {"", {}},
        {"   \t ", {}},
        {" -c:v libx264 -preset ultrafast", {"-c:v", "libx264", "-preset", "ultrafast"}},
        {"a\tb  c", {"a", "b", "c"}},
        {" -metadata \"title=a b\" -b:v 800k", {"-metadata", "title=a b", "-b:v", "800k"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\" x", {"", "x"}},
        {"\"unterminated text", {"unterminated text"}},
        {"a\\\"b", {"a\"b"}},                        // odd backslashes: a literal quote
        {"a\\\\\"b c\"", {"a\\b c"}},                // even backslashes: half of them, and the quote groups
        {"a\\\\\\\"b", {"a\\\"b"}},                  // three backslashes and a quote
        {"C:\\dir\\ x\\\\", {"C:\\dir\\", "x\\\\"}}, // backslashes without a quote stay
        {"\"a\"\"b\"", {"a\"b"}},                    // "" inside a group gives a quote and ends the group
        {"\"a\"\"b c\"", {"a\"b", "c"}},
        {"'single quotes' stay", {"'single", "quotes'", "stay"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWindowsCommandLine(QString::fromLatin1(c.text)), c.arguments) << c.text;
}
