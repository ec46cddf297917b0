#include "profiles/profilefile.h"
#include "profiles/profilepath.h"
#include "support/tempprogramdir.h"

#include <gtest/gtest.h>

class ProfileFileTest : public testing::Test
{
protected:
    ProfileFile write(const QByteArray& content)
    {
        program.writeFile("Profiles/p.apf", content);
        return ProfileFile(program.path("Profiles/p.apf"));
    }

    TempProgramDir program;
};

TEST_F(ProfileFileTest, OutputExtIsADotAndTheTypeExactlyAsRead)
{
    const struct
    {
        const char* content;
        const char* ext;
    } cases[] = {
        {"[Main]\nPara=0\n", ".mp4"},          {"", ".mp4"}, {"[Main]\nType=\n", "."}, {"[Main]\nType=.avi\n", "..avi"},
        {"[main]\ntype = \"MKV\" \n", ".MKV"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(write(c.content).OutputExt(), QString::fromUtf8(c.ext)) << c.content;
}

TEST_F(ProfileFileTest, ParametersTakeTheirDefaultsWhereKeysAreAbsentOrNoNumbers)
{
    const ProfileFile file =
        write("[Main]\nPara=$3\n0=Bare\n1=Full\n"
              "[Bare]\nSort=x\nIndex=one\n"
              "[Full]\nSort=2\nReadOnly=7\ncmd=-ab\nList=0\nCaption=a,b,\nValue=\"\\\"\nIndex=0x1\n");
    EXPECT_EQ(file.ParameterCount(), 3);

    const ProfileParameter bare = file.Parameter(0);
    EXPECT_EQ(bare.section, "Bare");
    EXPECT_EQ(bare.grid, std::nullopt);
    EXPECT_FALSE(bare.readOnly);
    EXPECT_TRUE(bare.list);
    EXPECT_TRUE(bare.cmd.isEmpty() && bare.caption.isEmpty() && bare.value.isEmpty());
    EXPECT_EQ(bare.index, 0);

    const ProfileParameter full = file.Parameter(1);
    EXPECT_EQ(full.grid, ProfileGrid::Audio);
    EXPECT_TRUE(full.readOnly);
    EXPECT_FALSE(full.list);
    EXPECT_EQ(full.cmd, "-ab");
    EXPECT_EQ(full.caption, "a,b,");
    EXPECT_EQ(full.value, "\\");
    EXPECT_EQ(full.index, 1);

    // "Para" counts a key that "Main" does not hold: no section, no keys.
    const ProfileParameter missing = file.Parameter(2);
    EXPECT_TRUE(missing.section.isEmpty());
    EXPECT_EQ(missing.grid, std::nullopt);
}

TEST_F(ProfileFileTest, ParameterCountBelowOneMeansNone)
{
    EXPECT_EQ(write("[Main]\nPara=-2\n").ParameterCount(), 0);
    EXPECT_EQ(write("[Main]\nPara=2x\n").ParameterCount(), 0);
    EXPECT_FALSE(ProfileFile(program.path("Profiles/none.apf")).exists());
}

TEST_F(ProfileFileTest, WritesOnlyTheKeysItIsAskedFor)
{
    ProfileFile file = write("[Main]\r\nPara=1\r\n0=Rate\r\n[Rate]\r\nSort=1\r\nList=0\r\nCaption= 25 \r\n");
    file.WriteFreeValue("rate", "30");
    file.WriteIndex("Rate", 2);
    QFile saved(file.path());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(),
              "[Main]\r\nPara=1\r\n0=Rate\r\n[Rate]\r\nSort=1\r\nList=0\r\nCaption= 30\r\nValue=30\r\nIndex=2\r\n");
}

TEST_F(ProfileFileTest, ProfilePathFindsAnExtensionThatDiffersInCase)
{
    program.writeFile("Profiles/A.APF", "");
    program.writeFile("Profiles/b.apf", "");
    const QString dir = program.appDir() + "Profiles/";
    EXPECT_EQ(ProfilePath(dir, "b"), dir + "b.apf");
    EXPECT_EQ(ProfilePath(dir, "c"), dir + "c.apf");
#ifdef Q_OS_WIN
    EXPECT_EQ(ProfilePath(dir, "A"), dir + "A.apf");
#else
    EXPECT_EQ(ProfilePath(dir, "A"), dir + "A.APF");
    EXPECT_EQ(ProfilePath(dir, "a"), dir + "a.apf");
#endif
}
