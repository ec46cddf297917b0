#include "app/mainform.h"
#include "app/programwindows.h"
#include "fakefolderdialog.h"
#include "prefs/settingform.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

class MainFormPreferencesTest : public ::testing::Test
{
protected:
    MainFormPreferencesTest()
    {
        program.writeFile("Profiles/First.apf", "");
        program.writeFile("Profiles/Second.apf", "");
    }

    QByteArray file() const
    {
        QFile ini(program.path("Preferences.ini"));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray("(none)");
    }

    template <typename Control> static Control* find(const QWidget& window, const char* name)
    {
        return window.findChild<Control*>(name);
    }

    TempProgramDir program;
    FakeDialogs dialogs;
    FakeFolderDialog folders;
};

TEST_F(MainFormPreferencesTest, StartsWithoutAFileAndSavesTheControlsInForceOnClose)
{
    ProgramWindows windows(program.appDir(), {});
    TMainForm& main = windows.mainForm();
    TSettingForm& settings = windows.settingForm();
    EXPECT_EQ(find<QComboBox>(main, "cmbProfile")->currentIndex(), 0);
    EXPECT_EQ(find<QLineEdit>(main, "edtOutputDir")->text(), program.appDir());

    QTest::mouseClick(find<QToolButton>(main, "sbtnSettings"), Qt::LeftButton);
    EXPECT_TRUE(settings.isVisible());
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(settings.isEnabled());
    find<QCheckBox>(settings, "chkTurnoff")->setChecked(false);
    settings.close(); // the close box: nothing saved yet
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(file(), "(none)");

    find<QComboBox>(main, "cmbProfile")->setCurrentIndex(1);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(file(), "[Main]\nPreview=1\nOverwrite=1\nAptotic=1\nOutput Dir=" + program.appDir().toUtf8() +
                          "\nAuto Open Dir=1\nAuto Exit=1\nAuto Turn Off=0\nFast Seek=0\nProfile=1\n");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormPreferencesTest, BrowseChangesOnlyTheMainWindowsField)
{
    ProgramWindows windows(program.appDir(), {});
    TMainForm& main = windows.mainForm();
    auto* field = find<QLineEdit>(main, "edtOutputDir");
    folders.answers = {QStringLiteral("/videos/out"), std::nullopt};

    find<QPushButton>(main, "bbtnBrowse")->click();
    EXPECT_EQ(field->text(), "/videos/out/");
    find<QPushButton>(main, "bbtnBrowse")->click();
    EXPECT_EQ(field->text(), "/videos/out/");

    ASSERT_EQ(folders.requests.size(), 2u);
    EXPECT_EQ(folders.requests[0].owner, &main);
    EXPECT_EQ(folders.requests[0].title, "Select the output directory.");
    EXPECT_EQ(find<QLineEdit>(windows.settingForm(), "edtOutputDir")->text(), program.appDir());
    EXPECT_EQ(file(), "(none)");
}

TEST_F(MainFormPreferencesTest, RefusedSaveOnCloseIsShownAndTheWindowClosesAllTheSame)
{
    const QByteArray saved = "[Main]\nAuto Turn Off=0\nProfile=1\n";
    program.writeFile("Preferences.ini", saved);
    ASSERT_TRUE(QFile::setPermissions(program.path("Preferences.ini"), QFile::ReadOwner | QFile::ReadGroup));
    ProgramWindows windows(program.appDir(), {});
    TMainForm& main = windows.mainForm();
    EXPECT_EQ(find<QComboBox>(main, "cmbProfile")->currentIndex(), 1);
    find<QComboBox>(main, "cmbProfile")->setCurrentIndex(0);

    EXPECT_TRUE(main.close());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].owner, &main);
    EXPECT_EQ(dialogs.boxes[0].caption, "Brindlecut");
    EXPECT_EQ(dialogs.boxes[0].text, "Unable to write to " + program.path("Preferences.ini") + ".");
    EXPECT_EQ(file(), saved);
}
