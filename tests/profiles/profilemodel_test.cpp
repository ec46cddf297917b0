#include "platform/errors.h"
#include "profiles/listindexerror.h"
#include "profiles/profilemodel.h"
#include "qtprinters.h"
#include "sampleprofiles.h"
#include "support/tempprogramdir.h"
#include "widgets/rownameerror.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using EditStyle = ValueListRows::EditStyle;

// "name=value" for every row of a grid, in order; read-only rows are marked "(ro)", pick lists "[...]".
QStringList describe(const ValueListRows& rows)
{
    QStringList lines;
    for (int i = 0; i < rows.RowCount(); ++i) {
        QString line = rows.Name(i) + "=" + rows.Value(i);
        if (rows.ReadOnly(i))
            line += " (ro)";
        if (rows.Style(i) == EditStyle::PickList)
            line += " [" + rows.PickList(i).join('|') + "]";
        lines.append(line);
    }
    return lines;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The bytes of one section, header to the next header.
QByteArray sectionBytes(const QByteArray& content, const QByteArray& header)
{
    const qsizetype start = content.indexOf("[" + header + "]");
    if (start < 0)
        return {};
    const qsizetype end = content.indexOf("\n[", start);
    return content.mid(start, end < 0 ? -1 : end + 1 - start);
}

class ProfileModelTest : public testing::Test
{
protected:
    QString profile(const QString& name, const QByteArray& content)
    {
        program.writeFile("Profiles/" + name + ".apf", content);
        return program.path("Profiles/" + name + ".apf");
    }

    TempProgramDir program;
    ProfileModel model;
};

TEST_F(ProfileModelTest, StartsWithTheRowsTheEditorWasLaidOutFor)
{
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Video)),
              QStringList({"Video Codec=", "Video Size=", "Bit Rate=", "Frame Rate=", "Aspect=", "Disable Video="}));
    EXPECT_EQ(
        describe(model.Rows(ProfileGrid::Audio)),
        QStringList({"Audio Codec=", "Audio Bitrate=", "Sample Rate=", "Channels=", "Volumn=", "Disable Audio="}));
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Advanced)), QStringList({"Bit Exact Algorithms=", "Deinterlace="}));
    EXPECT_EQ(model.OutputExt(), "");
}

TEST_F(ProfileModelTest, LoadsTheWorkedExample)
{
    EXPECT_TRUE(model.LoadProfile(profile("example", kWorkedExample)));
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Video)),
              QStringList({"Video Codec=Codec B (ro) [Codec A|Codec B]",
                           "Video Size=Original Size (ro) [Original Size|320x240|Custom Size]"}));
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Audio)), QStringList({"Audio Bitrate=128"}));
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Advanced)), QStringList({"Deinterlace=On (ro)"}));
    EXPECT_EQ(model.OutputExt(), ".avi");
    EXPECT_EQ(model.ShownText(ProfileGrid::Video, "video codec"), "Codec B");
    EXPECT_EQ(model.ShownText(ProfileGrid::Audio, "Video Codec"), "");
}

TEST_F(ProfileModelTest, AMissingFileChangesNothing)
{
    model.LoadProfile(profile("example", kWorkedExample));
    model.Rows(ProfileGrid::Audio).SetValue(0, "96");
    EXPECT_FALSE(model.LoadProfile(program.path("Profiles/none.apf")));
    EXPECT_EQ(model.ShownText(ProfileGrid::Audio, "Audio Bitrate"), "96");
    EXPECT_EQ(model.OutputExt(), ".avi");
    EXPECT_FALSE(model.SaveChoices(program.path("Profiles/none.apf")));
    model.SaveProfileAs(program.path("Profiles/none.apf"), program.path("Profiles/copy.apf"));
    EXPECT_FALSE(QFile::exists(program.path("Profiles/copy.apf")));
}

TEST_F(ProfileModelTest, AProfileWithoutParametersLeavesThreeEmptyGrids)
{
    EXPECT_TRUE(model.LoadProfile(profile("empty", "[Main]\nType=mkv\n")));
    for (ProfileGrid grid : kProfileGrids)
        EXPECT_EQ(model.Rows(grid).RowCount(), 0);
    EXPECT_EQ(model.OutputExt(), ".mkv");
    EXPECT_TRUE(model.LoadProfile(profile("example", kWorkedExample)));
    EXPECT_EQ(model.Rows(ProfileGrid::Audio).RowCount(), 1);
}

TEST_F(ProfileModelTest, AMalformedProfileStopsLoadingWithTheRowsBeforeTheFault)
{
    const QByteArray head = "[Main]\nType=wmv\nPara=3\n0=Good\n1=Bad\n2=Later\n"
                            "[Good]\nSort=1\nCaption=a,b,\nIndex=1\n"
                            "[Later]\nSort=1\nList=0\nCaption=never\n";
    const struct
    {
        const char* name;
        QByteArray content;
        const char* error;
        QStringList videoRows;
    } cases[] = {
        {"index past the captions",
         head + "[Bad]\nSort=1\nCaption=x,y,\nIndex=2\n",
         "List index out of bounds (2)",
         {"Good=b (ro) [a|b]", "Bad= [x|y]"}},
        {"negative index",
         head + "[Bad]\nSort=1\nReadOnly=1\nCaption=x,y,\nIndex=-1\n",
         "List index out of bounds (-1)",
         {"Good=b (ro) [a|b]", "Bad= (ro) [x|y]"}},
        {"caption list without its last comma",
         head + "[Bad]\nSort=1\nCaption=Low,High\nIndex=1\n",
         "List index out of bounds (1)",
         {"Good=b (ro) [a|b]", "Bad= [Low]"}},
        {"no captions",
         head + "[Bad]\nSort=1\nCaption=\n",
         "List index out of bounds (0)",
         {"Good=b (ro) [a|b]", "Bad= []"}},
        {"Para past the numbered keys",
         "[Main]\nPara=3\n0=Good\n1=Later\n[Good]\nSort=1\nCaption=a,b,\nIndex=1\n"
         "[Later]\nSort=1\nList=0\nCaption=t\n",
         "List index out of bounds (0)",
         {"Good=b (ro) [a|b]", "Later=t"}},
        {"section name holding =",
         "[Main]\nPara=2\n0=Good\n1=A=B\n[Good]\nSort=1\nCaption=a,b,\n[A=B]\nSort=1\n",
         "A row name cannot hold \"=\": A=B",
         {"Good=a (ro) [a|b]"}},
    };
    for (const auto& c : cases) {
        ProfileModel fresh;
        try {
            fresh.LoadProfile(profile("bad", c.content));
            ADD_FAILURE() << c.name << ": no error";
        } catch (const BrindlecutError& error) {
            EXPECT_EQ(error.text(), QString::fromUtf8(c.error)) << c.name;
        }
        EXPECT_EQ(describe(fresh.Rows(ProfileGrid::Video)), c.videoRows) << c.name;
        EXPECT_EQ(fresh.Rows(ProfileGrid::Audio).RowCount(), 0) << c.name;
        EXPECT_EQ(fresh.OutputExt(), c.content.contains("Type=wmv") ? ".wmv" : ".mp4") << c.name;
    }
}

TEST_F(ProfileModelTest, AParameterWhoseSortNamesNoGridIsSkipped)
{
    const QString path = profile("sorts", "[Main]\nPara=3\n0=Lost\n1=Kept\n2=Absent\n"
                                          "[Lost]\nSort=4\nList=0\nCaption=x\n"
                                          "[Kept]\nSort=3\nList=0\nCaption=y\n");
    EXPECT_TRUE(model.LoadProfile(path));
    EXPECT_EQ(describe(model.Rows(ProfileGrid::Advanced)), QStringList({"Kept=y"}));
    EXPECT_EQ(model.Rows(ProfileGrid::Video).RowCount(), 0);

    const QByteArray before = readFile(path);
    model.Rows(ProfileGrid::Advanced).SetValue(0, "z");
    model.SaveProfile(path);
    const QByteArray after = readFile(path);
    EXPECT_EQ(sectionBytes(after, "Lost"), sectionBytes(before, "Lost"));
    EXPECT_EQ(sectionBytes(after, "Kept"), "[Kept]\nSort=3\nList=0\nCaption=z\nValue=z\n");
    EXPECT_FALSE(after.contains("[Absent]"));
}

TEST_F(ProfileModelTest, SavesTheChoicesOfEditableParametersAndNothingElse)
{
    const QByteArray content = kWorkedExample + "[Preset]\r\nSort=3\r\nReadOnly=1\r\ncmd=-preset\r\n"
                                                "Caption=Fast,Slow,\r\nValue=fast,slow,\r\nIndex=0\r\n";
    QByteArray withPreset = content;
    withPreset.replace("Para=4", "Para=5").replace("3=Deinterlace\r\n", "3=Deinterlace\r\n4=Preset\r\n");
    const QString path = profile("example", withPreset);
    model.LoadProfile(path);
    ASSERT_TRUE(model.ChooseShownText(ProfileGrid::Video, "Video Codec", "codec a"));
    ASSERT_TRUE(model.ChooseShownText(ProfileGrid::Audio, "Audio Bitrate", "96"));
    // A read-only list still follows its drop-down list, but is never saved.
    ASSERT_TRUE(model.ChooseShownText(ProfileGrid::Advanced, "Preset", "Slow"));
    model.SaveProfile(path);

    const QByteArray saved = readFile(path);
    EXPECT_TRUE(sectionBytes(saved, "Video Codec").endsWith("Index=0\r\n"));
    EXPECT_TRUE(sectionBytes(saved, "Audio Bitrate").contains("Caption=96\r\nValue=96\r\n"));
    for (const QByteArray section : {"Deinterlace", "Preset", "Main"})
        EXPECT_EQ(sectionBytes(saved, section), sectionBytes(withPreset, section)) << section.constData();

    ProfileModel reloaded;
    reloaded.LoadProfile(path);
    EXPECT_EQ(reloaded.ShownText(ProfileGrid::Video, "Video Codec"), "Codec A");
    EXPECT_EQ(reloaded.ShownText(ProfileGrid::Audio, "Audio Bitrate"), "96");
    EXPECT_EQ(reloaded.ShownText(ProfileGrid::Advanced, "Preset"), "Fast");
}

TEST_F(ProfileModelTest, ACustomSizeIsStoredAsOriginalSizeAndStaysInTheGrid)
{
    QByteArray content = kWorkedExample;
    content.replace("Caption=Original Size,320x240,Custom Size,\r\nValue=,320x240,,\r\nIndex=0",
                    "Caption=320x240,Original Size,Custom Size,\r\nValue=320x240,,,\r\nIndex=0");
    const QString path = profile("example", content);
    model.LoadProfile(path);
    ASSERT_TRUE(model.ChooseShownText(ProfileGrid::Video, "Video Size", "640x480"));
    EXPECT_TRUE(model.SaveChoices(path));
    EXPECT_EQ(model.ShownText(ProfileGrid::Video, "Video Size"), "640x480");
    EXPECT_TRUE(sectionBytes(readFile(path), "Video Size").endsWith("Index=1\r\n"));

    // Saved as a copy, which loads without error.
    const QString copy = program.path("Profiles/copy.apf");
    program.writeFile("Profiles/copy.apf", "old content");
    model.SaveProfileAs(path, copy);
    EXPECT_EQ(model.ShownText(ProfileGrid::Video, "Video Size"), "640x480");
    EXPECT_EQ(readFile(copy), readFile(path));
    ProfileModel fromCopy;
    EXPECT_TRUE(fromCopy.LoadProfile(copy));
    EXPECT_EQ(fromCopy.ShownText(ProfileGrid::Video, "Video Size"), "Original Size");
}

TEST_F(ProfileModelTest, AListChoiceThatIsNoCaptionLeavesItsIndexAlone)
{
    // A "Video Size" without "Original Size" has no position for a custom size.
    QByteArray content = kWorkedExample;
    content.replace("Caption=Original Size,320x240,Custom Size,\r\nValue=,320x240,,\r\nIndex=0",
                    "Caption=320x240,Custom Size,\r\nValue=320x240,,\r\nIndex=1");
    const QString path = profile("example", content);
    model.LoadProfile(path);
    ASSERT_TRUE(model.ChooseShownText(ProfileGrid::Video, "Video Size", "640x480"));
    model.SaveChoices(path);
    EXPECT_TRUE(sectionBytes(readFile(path), "Video Size").endsWith("Index=1\r\n"));
    ProfileModel reloaded;
    EXPECT_TRUE(reloaded.LoadProfile(path));
}

TEST_F(ProfileModelTest, SavingOverItsOwnFileSavesInPlace)
{
    const QString path = profile("example", kWorkedExample);
    model.LoadProfile(path);
    model.ChooseShownText(ProfileGrid::Video, "Video Codec", "Codec A");
    model.SaveProfileAs(path, path);
    EXPECT_TRUE(sectionBytes(readFile(path), "Video Codec").endsWith("Index=0\r\n"));
    EXPECT_TRUE(readFile(path).startsWith("[Main]\r\nType=avi\r\n"));
}

TEST_F(ProfileModelTest, ARefusedWriteRaisesItsErrorAndKeepsTheCustomSizeShown)
{
    const QString path = profile("example", kWorkedExample);
    model.LoadProfile(path);
    model.ChooseShownText(ProfileGrid::Video, "Video Size", "640x480");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        model.SaveChoices(path);
        ADD_FAILURE() << "no error";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + path);
    }
    EXPECT_EQ(model.ShownText(ProfileGrid::Video, "Video Size"), "640x480");
    EXPECT_EQ(readFile(path), kWorkedExample);
}

TEST_F(ProfileModelTest, ChoosesShownTextsAsTheEditorWould)
{
    model.LoadProfile(profile("example", kWorkedExample));
    const struct
    {
        ProfileGrid grid;
        const char* row;
        const char* text;
        bool accepted;
        const char* shown;
    } cases[] = {
        {ProfileGrid::Video, "Video Codec", "CODEC A", true, "Codec A"},
        {ProfileGrid::Video, "Video Codec", "Codec C", false, "Codec A"},
        {ProfileGrid::Video, "Video Size", "640x480", true, "640x480"},
        {ProfileGrid::Video, "Video Size", "$280x-1", true, "$280x-1"},
        {ProfileGrid::Video, "Video Size", "x280x480", true, "x280x480"},
        {ProfileGrid::Video, "Video Size", "640 x480", false, "x280x480"},
        {ProfileGrid::Video, "Video Size", "640x", false, "x280x480"},
        {ProfileGrid::Audio, "Audio Bitrate", "any text", true, "any text"},
        {ProfileGrid::Advanced, "Deinterlace", "Off", false, "On"},
        {ProfileGrid::Audio, "Channels", "2", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model.ChooseShownText(c.grid, c.row, c.text), c.accepted) << c.row << " " << c.text;
        EXPECT_EQ(model.ShownText(c.grid, c.row), QString::fromUtf8(c.shown)) << c.row << " " << c.text;
    }
}

} // namespace
