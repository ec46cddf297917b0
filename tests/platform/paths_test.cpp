#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PathCase
{
    PathStyle style;
    const char* path;
    const char* expected;
};

TEST(EnsureTrailingBackslashTest, AddsTheSeparatorOnlyWhenMissing)
{
    const PathCase cases[] = {
        {PathStyle::Windows, "C:\\Out", "C:\\Out\\"},
        {PathStyle::Windows, "C:\\Out\\", "C:\\Out\\"},
        {PathStyle::Windows, "C:\\", "C:\\"},
        {PathStyle::Windows, "C:", "C:\\"},
        {PathStyle::Windows, "C:/Out/", "C:/Out/"},
        {PathStyle::Windows, "", "\\"},
        {PathStyle::Posix, "/out", "/out/"},
        {PathStyle::Posix, "/out/", "/out/"},
        {PathStyle::Posix, "/", "/"},
        {PathStyle::Posix, "/out\\", "/out\\/"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(EnsureTrailingBackslash(QString::fromLatin1(c.path), c.style), QString::fromLatin1(c.expected));
    }
}

TEST(NameWithoutExtensionTest, CutsAtTheLastDot)
{
    const struct
    {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Clip.part1.avi", "Clip.part1"},
        {"Clip", "Clip"},
        {".apf", ""},
        {"Settings of the source file..apf", "Settings of the source file."},
        {"name.", "name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NameWithoutExtension(QString::fromLatin1(c.name)), QString::fromLatin1(c.expected));
    }
}

TEST(PathPartsTest, FileNameAndExtensionFollowTheStyle)
{
    const struct
    {
        PathStyle style;
        const char* path;
        const char* fileName;
        const char* extension;
    } cases[] = {
        {PathStyle::Windows, "C:\\Videos\\Clip.part1.AVI", "Clip.part1.AVI", ".AVI"},
        {PathStyle::Windows, "C:\\my.videos\\clip", "clip", ""},
        {PathStyle::Windows, "C:/my.videos/clip", "clip", ""},
        {PathStyle::Windows, "D:clip.mp4", "clip.mp4", ".mp4"},
        {PathStyle::Windows, "C:\\Out\\", "", ""},
        {PathStyle::Posix, "/home/me/my.videos/clip", "clip", ""},
        {PathStyle::Posix, "/home/me/Clip.mp4", "Clip.mp4", ".mp4"},
        {PathStyle::Posix, "/home/me/a:b.mov", "a:b.mov", ".mov"},
        {PathStyle::Posix, "/home/me/back\\slash.vob", "back\\slash.vob", ".vob"},
        {PathStyle::Posix, "/home/me/.hidden", ".hidden", ".hidden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const QString path = QString::fromLatin1(c.path);
        EXPECT_EQ(FileNamePart(path, c.style), QString::fromLatin1(c.fileName));
        EXPECT_EQ(ExtensionOf(path, c.style), QString::fromLatin1(c.extension));
    }
}

TEST(HasSupportedExtensionTest, ComparesTheAsciiLowerCasedExtension)
{
    const QStringList supported = {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mp4")};
    const struct
    {
        PathStyle style;
        const char* path;
        bool expected;
    } cases[] = {
        {PathStyle::Windows, "C:\\Videos\\clip.AVI", true},
        {PathStyle::Windows, "C:\\Videos\\clip.Mp4", true},
        {PathStyle::Windows, "C:\\Videos\\clip.mpeg", false},
        {PathStyle::Windows, "C:\\Videos.avi\\clip", false},
        {PathStyle::Windows, "C:.avi", true},
        {PathStyle::Windows, "C:\\Videos\\clip", false},
        {PathStyle::Posix, "/videos/clip.avi", true},
        {PathStyle::Posix, "/videos.avi/clip", false},
        {PathStyle::Posix, "/videos/clip.avi.txt", false},
        {PathStyle::Posix, "/videos/clip.avi ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(HasSupportedExtension(QString::fromLatin1(c.path), supported, c.style), c.expected);
    }
    EXPECT_FALSE(HasSupportedExtension(QStringLiteral("/videos/clip"), {QString()}, PathStyle::Posix));
}

TEST(HasSupportedExtensionTest, LowerCasesOnlyAscii)
{
    // The Kelvin sign lower-cases to "k" under full Unicode rules; the ASCII rule leaves it alone.
    EXPECT_FALSE(HasSupportedExtension(QStringLiteral("/v/clip.\u212A"), {QStringLiteral(".k")}, PathStyle::Posix));
}

class ListFilesWithExtensionTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void touch(const QString& name)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    QTemporaryDir m_dir;
};

TEST_F(ListFilesWithExtensionTest, ListsPlainVisibleFilesSortedWithoutCase)
{
    for (const char* name : {"b.apf", "A.APF", "c.txt", ".d.apf", "e.apf.bak", "noext"})
        touch(QString::fromLatin1(name));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("x.apf")));

    EXPECT_EQ(ListFilesWithExtension(folder(), QStringLiteral(".apf")),
              QStringList({QStringLiteral("A.APF"), QStringLiteral("b.apf")}));
    EXPECT_EQ(ListFilesWithExtension(folder(), QStringLiteral(".APF")),
              QStringList({QStringLiteral("A.APF"), QStringLiteral("b.apf")}));
}

TEST_F(ListFilesWithExtensionTest, SortsByLettersNotByCodePoints)
{
    for (const char* name : {"beta.apf", "Alpha.apf", "_x.apf", "Zulu.apf", "alpha2.apf"})
        touch(QString::fromLatin1(name));

    const QStringList listed = ListFilesWithExtension(folder(), QStringLiteral(".apf"));
    ASSERT_EQ(listed.size(), 5);
    // Upper case first would put Zulu before beta.
    EXPECT_LT(listed.indexOf(QStringLiteral("Alpha.apf")), listed.indexOf(QStringLiteral("alpha2.apf")));
    EXPECT_LT(listed.indexOf(QStringLiteral("alpha2.apf")), listed.indexOf(QStringLiteral("beta.apf")));
    EXPECT_LT(listed.indexOf(QStringLiteral("beta.apf")), listed.indexOf(QStringLiteral("Zulu.apf")));
}

TEST_F(ListFilesWithExtensionTest, MissingFolderListsNothing)
{
    EXPECT_TRUE(ListFilesWithExtension(m_dir.filePath(QStringLiteral("absent/")), QStringLiteral(".apf")).isEmpty());
}

} // namespace
