#include "profiles/listindexerror.h"
#include "profiles/opsettingform.h"
#include "profiles/profileswitches.h"
#include "qtprinters.h"
#include "sampleprofiles.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <map>

namespace {

// Shown texts straight from a table: the builder asks for nothing else.
class TableShownTexts final : public ShownTextSource
{
public:
    QString ShownText(ProfileGrid grid, const QString& rowName) const override
    {
        const auto found = texts.find({grid, rowName.toLower()});
        return found == texts.end() ? QString() : found->second;
    }
    std::map<std::pair<ProfileGrid, QString>, QString> texts;
};

class ProfileSwitchesTest : public testing::Test
{
protected:
    QString profile(const QByteArray& content)
    {
        program.writeFile("Profiles/p.apf", content);
        return program.path("Profiles/p.apf");
    }

    QString build(const QString& path) const
    {
        QString text;
        BuildProfileSwitches(path, shown, text);
        return text;
    }

    TempProgramDir program;
    TableShownTexts shown;
};

TEST_F(ProfileSwitchesTest, TheWorkedExampleGivesItsSwitchText)
{
    FakeDialogs dialogs;
    program.writeFile("Profiles/Example.apf", kWorkedExample);
    AppContext context;
    context.AppDir = program.appDir();
    QWidget mainWindow;
    TopSettingForm editor(context, &mainWindow, {"Example"});
    editor.SelectProfile(0);
    editor.cmbProfileChange();
    const QString path = program.path("Profiles/Example.apf");

    QString text;
    editor.BuildProfileSwitches(path, text);
    EXPECT_EQ(text, " -vc cb -ab 128 -deint ");

    ASSERT_TRUE(editor.model().ChooseShownText(ProfileGrid::Video, "Video Size", "640x480"));
    text.clear();
    editor.BuildProfileSwitches(path, text);
    EXPECT_EQ(text, " -vc cb -size 640x480 -ab 128 -deint ");

    // Typed into the grid and never saved: it counts all the same.
    ASSERT_TRUE(editor.model().ChooseShownText(ProfileGrid::Video, "Video Size", "Original Size"));
    ASSERT_TRUE(editor.model().ChooseShownText(ProfileGrid::Audio, "Audio Bitrate", "96"));
    editor.close();
    text.clear();
    editor.BuildProfileSwitches(path, text);
    EXPECT_EQ(text, " -vc cb -ab 96 -deint ");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ProfileSwitchesTest, ParametersComeFromTheFileAndChoicesFromTheRowsOfTheSameName)
{
    const QString path = profile("[Main]\nPara=7\n0=Codec\n1=Fixed\n2=Rate\n3=Silent\n4=Empty\n5=Elsewhere\n6=Lost\n"
                                 "[Codec]\nSort=1\nReadOnly=1\ncmd=-c:v\nCaption=Codec A,Codec B,\nValue=ca,cb,\n"
                                 "[Fixed]\nSort=3\nReadOnly=1\nList=0\ncmd=-preset\nCaption=Fast\nValue=veryfast\n"
                                 "[Rate]\nSort=1\nList=0\ncmd=-r\n"
                                 "[Silent]\nSort=2\nList=0\nCaption=x\n"
                                 "[Empty]\nSort=2\ncmd=-ac\nCaption=Original,Mono,\nValue=,1,\n"
                                 "[Elsewhere]\nSort=2\ncmd=-ar\nCaption=,44100,\nValue=22050,44100,\n"
                                 "[Lost]\nSort=0\ncmd=-lost\nList=0\nReadOnly=1\nValue=1\n");
    shown.texts = {
        {{ProfileGrid::Video, "codec"}, "codec b"},   // caption matched without regard to case
        {{ProfileGrid::Advanced, "fixed"}, "Slow"},   // a fixed value comes from the file
        {{ProfileGrid::Video, "rate"}, "25"},         // a typed value is taken as it is
        {{ProfileGrid::Audio, "silent"}, "y"},        // no switch: nothing
        {{ProfileGrid::Audio, "empty"}, "Original"},  // an empty value item: nothing
        {{ProfileGrid::Video, "elsewhere"}, "44100"}, // the audio grid has no such row: the empty caption
    };
    EXPECT_EQ(build(path), " -c:v cb -preset veryfast -r 25 -ar 22050");

    // The text is appended to what the caller holds.
    QString text = "kept";
    BuildProfileSwitches(path, shown, text);
    EXPECT_EQ(text, "kept -c:v cb -preset veryfast -r 25 -ar 22050");
}

TEST_F(ProfileSwitchesTest, AStandAloneSwitchKeepsItsBlanks)
{
    const QString path = profile("[Main]\nPara=3\n0=A\n1=B\n2=C\n"
                                 "[A]\nSort=3\ncmd=-an\nCaption=Off,On,\nValue=,\\,\n"
                                 "[B]\nSort=3\ncmd=-sn\nList=0\nReadOnly=1\nValue=\"\\\"\n"
                                 "[C]\nSort=3\ncmd=-f\nList=0\nReadOnly=1\nValue=null\n");
    shown.texts = {{{ProfileGrid::Advanced, "a"}, "On"}};
    EXPECT_EQ(build(path), " -an  -sn  -f null");
}

TEST_F(ProfileSwitchesTest, NothingIsAddedWithoutAFileOrParameters)
{
    QString text = "as it was";
    BuildProfileSwitches(program.path("Profiles/none.apf"), shown, text);
    EXPECT_EQ(text, "as it was");
    EXPECT_EQ(build(profile("[Main]\nType=avi\n")), "");
    EXPECT_EQ(build(profile("[Main]\nPara=0\n0=A\n[A]\nSort=1\ncmd=-a\nList=0\nReadOnly=1\nValue=1\n")), "");
    // "Para" past the numbered keys: the missing parameter has no switch.
    EXPECT_EQ(build(profile("[Main]\nPara=2\n0=A\n[A]\nSort=1\ncmd=-a\nList=0\nReadOnly=1\nValue=1\n")), " -a 1");
}

TEST_F(ProfileSwitchesTest, AChosenCaptionWithoutAValueStopsTheBuilder)
{
    const QString path = profile("[Main]\nPara=2\n0=Size\n1=Rate\n"
                                 "[Size]\nSort=1\ncmd=-s\nCaption=Original,Small,Large,\nValue=,320x240\n"
                                 "[Rate]\nSort=1\ncmd=-r\nList=0\n");
    shown.texts = {{{ProfileGrid::Video, "size"}, "Small"}};
    try {
        build(path);
        ADD_FAILURE() << "no error";
    } catch (const ListIndexError& error) {
        EXPECT_EQ(error.text(), "List index out of bounds (1)");
    }
    shown.texts = {{{ProfileGrid::Video, "size"}, "large"}, {{ProfileGrid::Video, "rate"}, "25"}};
    EXPECT_THROW(build(path), ListIndexError);
    shown.texts = {{{ProfileGrid::Video, "size"}, "Original"}, {{ProfileGrid::Video, "rate"}, "25"}};
    EXPECT_EQ(build(path), " -r 25");
}

} // namespace
