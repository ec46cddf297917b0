#include "app/mainform.h"
#include "app/programwindows.h"
#include "profiles/opsettingform.h"
#include "profiles/sizeform.h"
#include "qtprinters.h"
#include "sampleprofiles.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"
#include "widgets/valuelisteditor.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The program's windows over a program folder with three profiles: "A" (the worked example, ".avi"),
// "B" (".mkv") and "C", which cannot be loaded to the end.
class MainFormProfilesTest : public testing::Test
{
protected:
    MainFormProfilesTest()
    {
        program.writeFile("Profiles/A.apf", kWorkedExample);
        program.writeFile("Profiles/B.apf",
                          "[Main]\nType=mkv\nPara=1\n0=Rate\n[Rate]\nSort=2\nList=0\nCaption=44100\n");
        program.writeFile("Profiles/C.apf", "[Main]\nType=wmv\nPara=1\n0=Bad\n[Bad]\nSort=1\nCaption=x,\nIndex=3\n");
        windows = std::make_unique<ProgramWindows>(program.appDir(), QStringList());
    }

    TMainForm& main() const { return windows->mainForm(); }
    TopSettingForm& editor() const { return windows->opSettingForm(); }
    QComboBox* mainList() const { return main().findChild<QComboBox*>("cmbProfile"); }
    QComboBox* editorList() const { return editor().findChild<QComboBox*>("cmbProfile"); }

    // The user picks a profile in a list.
    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    QString shown(ProfileGrid grid, const char* row) const { return editor().model().ShownText(grid, row); }

    TempProgramDir program;
    FakeDialogs dialogs;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(MainFormProfilesTest, TheEditorCopiesTheListAndTheFirstShowingLoadsTheChosenProfile)
{
    EXPECT_EQ(editorList()->count(), 3);
    EXPECT_EQ(editorList()->itemText(2), "C");
    EXPECT_EQ(editorList()->currentIndex(), -1);
    EXPECT_EQ(editor().OutputExt(), "");
    EXPECT_EQ(main().profileEditor(), &editor());

    // The Settings window restores the saved choice by code; that alone loads nothing.
    mainList()->setCurrentIndex(1);
    EXPECT_EQ(editor().OutputExt(), "");
    main().show();
    EXPECT_EQ(editor().OutputExt(), ".mkv");
    EXPECT_EQ(shown(ProfileGrid::Audio, "Rate"), "44100");
    EXPECT_EQ(editorList()->currentIndex(), -1);

    // Only the first showing loads.
    editor().model().ChooseShownText(ProfileGrid::Audio, "Rate", "48000");
    main().hide();
    main().show();
    EXPECT_EQ(shown(ProfileGrid::Audio, "Rate"), "48000");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormProfilesTest, ChoosingInTheMainWindowLoadsTheEditorButLeavesItsList)
{
    main().show();
    choose(mainList(), 0);
    EXPECT_EQ(editor().OutputExt(), ".avi");
    EXPECT_EQ(shown(ProfileGrid::Video, "Video Codec"), "Codec B");
    EXPECT_EQ(editorList()->currentIndex(), -1);

    choose(mainList(), 2);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].owner, &main());
    EXPECT_EQ(dialogs.boxes[0].text, "List index out of bounds (3)");
    EXPECT_EQ(editor().OutputExt(), ".wmv");
    EXPECT_FALSE(editor().isVisible());
}

TEST_F(MainFormProfilesTest, DetailBringsTheEditorToTheMainWindowsProfileAndKeepsUnsavedEdits)
{
    mainList()->setCurrentIndex(0);
    main().show();
    auto* detail = main().findChild<QPushButton*>("BitBtn1");

    detail->click();
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(main().isEnabled());
    EXPECT_EQ(editorList()->currentIndex(), 0);
    ASSERT_TRUE(editor().model().ChooseShownText(ProfileGrid::Audio, "Audio Bitrate", "96"));

    // Closed with the close box and opened again: the edit is still there.
    editor().close();
    detail->click();
    EXPECT_EQ(shown(ProfileGrid::Audio, "Audio Bitrate"), "96");

    // Another profile chosen in the editor leaves the main window's choice alone; Detail brings it back.
    choose(editorList(), 1);
    EXPECT_EQ(editor().OutputExt(), ".mkv");
    EXPECT_EQ(mainList()->currentIndex(), 0);
    editor().close();
    detail->click();
    EXPECT_EQ(editorList()->currentIndex(), 0);
    EXPECT_EQ(editor().OutputExt(), ".avi");
    EXPECT_EQ(shown(ProfileGrid::Audio, "Audio Bitrate"), "128");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormProfilesTest, TheSizeDialogDisablesTheMainWindowButNotTheEditor)
{
    mainList()->setCurrentIndex(0);
    main().show();
    main().findChild<QPushButton*>("BitBtn1")->click();
    auto* video = editor().findChild<ValueListEditor*>("vleVideo");
    const QModelIndex size = video->Rows()->index(1, 1);
    video->setCurrentIndex(size);
    auto* combo = qobject_cast<QComboBox*>(video->indexWidget(size));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);

    EXPECT_TRUE(windows->sizeForm().isVisible());
    EXPECT_FALSE(main().isEnabled());
    EXPECT_TRUE(editor().isEnabled());
    windows->sizeForm().close();
    EXPECT_TRUE(main().isEnabled());
    EXPECT_EQ(shown(ProfileGrid::Video, "Video Size"), "Original Size");
}

} // namespace
