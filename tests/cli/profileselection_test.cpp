#include "cli/profilechoiceerror.h"
#include "cli/profileselection.h"
#include "support/tempprogramdir.h"

#include <gtest/gtest.h>

namespace {

// A list parameter in each grid, a custom-size row, a fixed value and a free one.
const QByteArray kProfile = "[Main]\nType=mkv\nPara=4\n0=Video Size\n1=Preset\n2=Pixel Format\n3=Title\n"
                            "[Video Size]\nSort=1\ncmd=-s\nCaption=Original Size,640x360,Custom Size,\n"
                            "Value=,640x360,,\nIndex=0\n"
                            "[Preset]\nSort=3\ncmd=-preset\nCaption=Fast,Slow,\nValue=fast,slow,\nIndex=1\n"
                            "[Pixel Format]\nSort=3\nReadOnly=1\ncmd=-pix_fmt\nList=0\nCaption=yuv420p\nValue=yuv420p\n"
                            "[Title]\nSort=2\ncmd=-metadata\nList=0\nCaption=title=x\n";

class ProfileSelectionTest : public ::testing::Test
{
protected:
    ProfileSelectionTest() { program.writeFile("Profiles/Test.apf", kProfile); }

    ProfileSelection select(const QList<ParameterChoice>& choices) const
    {
        return SelectProfile(program.path("Profiles/Test.apf"), choices);
    }

    TempProgramDir program;
};

} // namespace

TEST_F(ProfileSelectionTest, BuildsTheSwitchesFromTheStoredChoicesAsChangedBySet)
{
    const struct
    {
        QList<ParameterChoice> choices;
        const char* switches;
    } cases[] = {
        {{}, " -preset slow -pix_fmt yuv420p -metadata title=x"},
        {{{"Video Size", "640x480"}}, " -s 640x480 -preset slow -pix_fmt yuv420p -metadata title=x"},
        {{{"video size", "640X360"}}, " -s 640x360 -preset slow -pix_fmt yuv420p -metadata title=x"},
        {{{"Preset", "FAST"}, {"Title", "title=a b"}}, " -preset fast -pix_fmt yuv420p -metadata title=a b"},
        {{{"Preset", "Fast"}, {"Preset", "Slow"}}, " -preset slow -pix_fmt yuv420p -metadata title=x"},
    };
    for (const auto& c : cases) {
        const ProfileSelection selection = select(c.choices);
        EXPECT_EQ(selection.switches, c.switches);
        EXPECT_EQ(selection.outputExt, ".mkv");
    }
}

TEST_F(ProfileSelectionTest, RefusesASetTheProfileEditorWouldNotTake)
{
    const struct
    {
        ParameterChoice choice;
        const char* error;
    } cases[] = {
        {{"Bit Rate", "800k"}, "The profile has no parameter \"Bit Rate\"."},
        {{"Preset", "Turbo"}, "The parameter \"Preset\" cannot show \"Turbo\". It shows one of: Fast, Slow."},
        {{"Video Size", "big"},
         "The parameter \"Video Size\" cannot show \"big\". It shows one of: Original Size, 640x360, Custom Size."},
        {{"Pixel Format", "nv12"}, "The parameter \"Pixel Format\" cannot show \"nv12\"."},
    };
    for (const auto& c : cases) {
        try {
            select({c.choice});
            ADD_FAILURE() << "taken: " << c.error;
        } catch (const ProfileChoiceError& error) {
            EXPECT_EQ(error.text(), c.error);
        }
    }
}

TEST_F(ProfileSelectionTest, AMissingProfileGivesNothingAndABrokenOneItsError)
{
    const ProfileSelection missing = SelectProfile(program.path("Profiles/None.apf"), {{"Preset", "Fast"}});
    EXPECT_EQ(missing.switches, "");
    EXPECT_EQ(missing.outputExt, "");

    program.writeFile("Profiles/Broken.apf", "[Main]\nPara=1\n0=P\n[P]\nSort=1\ncmd=-x\nCaption=a,\nIndex=4\n");
    try {
        SelectProfile(program.path("Profiles/Broken.apf"), {});
        ADD_FAILURE() << "a broken profile was taken";
    } catch (const BrindlecutError& error) {
        EXPECT_EQ(error.text(), "List index out of bounds (4)");
    }
}
