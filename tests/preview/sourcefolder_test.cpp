#include "preview/sourcefolder.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceFolderTest, IsTheTextBeforeTheFileNameWithItsSeparator)
{
    const struct
    {
        PathStyle style;
        const char* path;
        const char* folder;
    } cases[] = {
        {PathStyle::Windows, "D:\\Video\\Trip.wmv", "D:\\Video\\"},
        {PathStyle::Windows, "D:\\Trip.wmv", "D:\\"},
        {PathStyle::Windows, "D:Trip.wmv", "D:\\"},
        {PathStyle::Windows, "\\\\server\\share\\Trip.wmv", "\\\\server\\share\\"},
        {PathStyle::Posix, "/home/me/Video/Trip.wmv", "/home/me/Video/"},
        {PathStyle::Posix, "/Trip.wmv", "/"},
        {PathStyle::Posix, "/home/me/odd\\name.avi", "/home/me/"},
        {PathStyle::Posix, "Trip.wmv", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(SourceFolder(QString::fromLatin1(c.path), c.style), QString::fromLatin1(c.folder));
    }
}

} // namespace
