#include "platform/shell.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(DesktopUrlForTest, OpensAddressesAsAddressesAndTheRestAsFiles)
{
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"http://www.example.com/", "http://www.example.com/"},
        {"https://www.example.com/a b", "https://www.example.com/a%20b"},
        {"mailto:me@example.com", "mailto:me@example.com"},
        {"file:///tmp/out/", "file:///tmp/out/"},
        {"/tmp/out/", "file:///tmp/out/"},
        {"/tmp/my videos/Brindlecut.html", "file:///tmp/my videos/Brindlecut.html"},
        {"/tmp/a#b?c", "file:///tmp/a%23b%3Fc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DesktopUrlFor(QString::fromUtf8(c.text)), QUrl(QString::fromUtf8(c.expected)));
    }
}

TEST(DesktopUrlForTest, DriveLettersAreNoScheme)
{
    const QUrl url = DesktopUrlFor(QStringLiteral("C:\\Out\\"));
    EXPECT_TRUE(url.isLocalFile());
}

} // namespace
