#include "about/aboutform.h"
#include "app/mainform.h"
#include "app/openfilter.h"
#include "app/programwindows.h"
#include "completion/countdownform.h"
#include "prefs/settingform.h"
#include "profiles/opsettingform.h"
#include "profiles/sizeform.h"
#include "support/fakedialogs.h"
#include "support/fakeshell.h"
#include "support/tempprogramdir.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QStringList comboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

TEST(OpenDialogFilter, IsBuiltFromTheSupportedExtensionsCharacterForCharacter)
{
    const QStringList extensions = {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"};
    EXPECT_EQ(
        BuildOpenDialogFilter(extensions),
        QStringLiteral("All Support Files(*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;)|*.avi;*.mpg;*.mpeg;"
                       "*.mp4;*.wmv;*.mov;*.vob;*.asf;|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MPEG Files "
                       "(*.mpeg)|*.mpeg|MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|"
                       "VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|All Files (*.*)|*.*"));
}

class MainFormTest : public ::testing::Test
{
protected:
    TempProgramDir program;
    FakeDialogs dialogs;
    FakeShell shell;
};

TEST_F(MainFormTest, CreatesTheSixWindowsInOrderAroundOneSharedContext)
{
    program.makeFolder("Profiles");
    ProgramWindows windows(program.appDir(), {});

    const struct
    {
        const char* className;
        const char* objectName;
        const char* caption;
        QSize clientSize;
    } expected[] = {
        {"TMainForm", "MainForm", "Brindlecut V1.8", {783, 431}},
        {"TSettingForm", "SettingForm", "Settings", {351, 332}},
        {"TCountDownForm", "CountDownForm", "Countdown", {376, 106}},
        {"TAboutForm", "AboutForm", "About", {476, 330}},
        {"TopSettingForm", "opSettingForm", "Profile", {391, 472}},
        {"TSizeForm", "SizeForm", "Video Size of output files", {336, 106}},
    };
    const auto& order = windows.creationOrder();
    ASSERT_EQ(order.size(), std::size(expected));
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_STREQ(order[i]->metaObject()->className(), expected[i].className);
        EXPECT_EQ(order[i]->objectName(), QLatin1String(expected[i].objectName));
        EXPECT_EQ(order[i]->windowTitle(), QLatin1String(expected[i].caption));
        EXPECT_EQ(order[i]->size(), expected[i].clientSize);
        EXPECT_FALSE(order[i]->isVisible());
    }
    const AppContext& context = windows.mainForm().context();
    EXPECT_EQ(context.AppDir, program.appDir());
    EXPECT_TRUE(context.AppDir.endsWith('/'));
    EXPECT_EQ(context.EncoderPath, program.appDir() + "wmaspi.dll");
    EXPECT_EQ(context.ProfileDir(), program.appDir() + "Profiles/");
    EXPECT_EQ(context.SupportedExts, QStringList({".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"}));
    EXPECT_EQ(QCoreApplication::applicationName(), "Brindlecut");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormTest, CaptionFollowsTheVersionKey)
{
    program.makeFolder("Profiles");
    {
        TMainForm withoutFile(program.appDir(), {});
        EXPECT_EQ(withoutFile.windowTitle(), "Brindlecut V1.8");
        EXPECT_EQ(withoutFile.context().VersionText, "1.8");
    }
    program.writeFile("Preferences.ini", "[main]\r\nversion = \"2.0 beta\"\r\n");
    TMainForm withKey(program.appDir(), {});
    EXPECT_EQ(withKey.windowTitle(), "Brindlecut V2.0 beta");
    // The banner shows the name after its first blank, or the whole name when it has none.
    EXPECT_EQ(withKey.findChild<QLabel*>("labProgramName")->text(), "Brindlecut");
}

TEST_F(MainFormTest, ListsTheProfilesWithoutSelectingOne)
{
    program.writeFile("Profiles/b.apf", "");
    program.writeFile("Profiles/A.APF", "");
    program.writeFile("Profiles/c.txt", "");
    program.writeFile("Profiles/.d.apf", "");
    program.writeFile("Profiles/Settings of the source file..apf", "");
    program.makeFolder("Profiles/folder.apf");

    TMainForm form(program.appDir(), {});
    const auto* profiles = form.findChild<QComboBox*>("cmbProfile");
    EXPECT_EQ(comboItems(profiles), QStringList({"A", "b", "Settings of the source file."}));
    EXPECT_EQ(profiles->currentIndex(), -1);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormTest, MissingProfileFolderGivesOneErrorAndAWorkingWindow)
{
    TMainForm form(program.appDir(), {});
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(program.appDir() + "Profiles/")) << dialogs.boxes[0].text.toStdString();
    EXPECT_EQ(form.findChild<QComboBox*>("cmbProfile")->count(), 0);
    EXPECT_EQ(form.windowTitle(), "Brindlecut V1.8");

    // The rest of the window still works: Help asks the desktop to open the guide.
    QTest::mouseClick(form.findChild<QToolButton*>("sbtnHelp"), Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList({program.appDir() + "Brindlecut.html"}));
}

TEST_F(MainFormTest, HelpWithoutAGuideOpensThePathAndShowsNothing)
{
    program.makeFolder("Profiles");
    TMainForm form(program.appDir(), {});
    form.findChild<QToolButton*>("sbtnHelp")->click();
    EXPECT_EQ(shell.opened, QStringList({form.helpFile()}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormTest, LaysOutTheControlsOfTheWindow)
{
    program.makeFolder("Profiles");
    TMainForm form(program.appDir(), {});

    const struct
    {
        const char* name;
        QRect geometry;
    } placed[] = {
        {"panToolbar", {0, 0, 783, 65}},    {"sbtnOpen", {35, 22, 99, 40}},      {"sbtnSettings", {141, 22, 100, 40}},
        {"sbtnAbout", {246, 22, 99, 40}},   {"sbtnHelp", {352, 22, 99, 40}},     {"panLeft", {0, 65, 399, 366}},
        {"VideoWindow", {34, 6, 359, 232}}, {"tkbProgress", {39, 267, 296, 14}}, {"panRight", {399, 65, 384, 366}},
        {"imgStart", {229, 291, 133, 65}},  {"imgCancel", {229, 291, 133, 65}},  {"panProgress", {399, 65, 384, 289}},
    };
    for (const auto& control : placed) {
        const auto* widget = form.findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    for (const char* name : {"labLeft", "labMiddle", "labRight"}) {
        EXPECT_EQ(form.findChild<QLabel*>(name)->text(), "00:00:00");
        EXPECT_EQ(form.findChild<QLabel*>(name)->y(), 249);
    }
    // Controls that start hidden.
    for (const char* name : {"panProgress", "imgCancel", "labStart", "labEnd", "labLength", "chkPreview"})
        EXPECT_TRUE(form.findChild<QWidget*>(name)->isHidden()) << name;
    EXPECT_FALSE(form.findChild<QWidget*>("panbanner")->isHidden());

    // The flat buttons stay out of the skin.
    for (const char* name : {"sbtnOpen", "sbtnSettings", "sbtnAbout", "sbtnHelp", "sbtnPlayPreview", "sbtnPausePreview",
                             "sbtnStopPreview", "sbtnSelStart", "sbtnSelEnd", "sbtnErase"})
        EXPECT_EQ(form.findChild<QToolButton*>(name)->property("tag").toInt(), 9999) << name;

    // The six pictures of the Start and Cancel image list, all 133 x 65 and all drawn.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form.startPicture(i).size(), QSize(133, 65)) << i;
        EXPECT_FALSE(form.startPicture(i).toImage().isNull()) << i;
    }
    const auto* progress = form.findChild<QProgressBar*>("pgbCurrent");
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
}
