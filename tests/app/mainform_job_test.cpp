#include "app/mainform.h"
#include "app/programwindows.h"
#include "completion/countdownform.h"
#include "platform/inifile.h"
#include "prefs/settingform.h"
#include "profiles/opsettingform.h"
#include "support/fakedialogs.h"
#include "support/fakeencoder.h"
#include "support/fakepowercontrol.h"
#include "support/fakeshell.h"
#include "support/tempprogramdir.h"
#include "support/testmedia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeout = 20000;

// The whole program over a temporary program folder with the shipped profiles, a 20-second source given
// on the command line, and a fake encoder that writes its output and prints progress.
class JobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.copyShippedProfiles();
        program.writeFile("Preferences.ini", "[Main]\nOverwrite=0\nAptotic=1\nAuto Open Dir=1\nAuto Exit=0\n"
                                             "Auto Turn Off=0\nProfile=4\n");
        program.makeFolder("out");
        source = program.path("in/clip.mp4");
        QDir().mkpath(program.path("in"));
        QFile::copy(ShortTestVideo(), source);
        encoder.write("echo \"frame= 1 time=00:00:01.00 bitrate=1\"; echo data > \"$output\"");

        windows = std::make_unique<ProgramWindows>(program.appDir(), QStringList{source});
        main().show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return label("labRight")->text() == "00:00:20"; }, kTimeout));
        edit("edtOutputDir")->setText(program.path("out"));
        edit("edtStart")->setText("00:00:02");
        edit("edtEnd")->setText("00:00:08");
    }

    TMainForm& main() { return windows->mainForm(); }
    template <typename Control> Control* control(const char* name)
    {
        auto* found = main().findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLabel* label(const char* name) { return control<QLabel>(name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QCheckBox* setting(const char* name) { return windows->settingForm().findChild<QCheckBox*>(name); }

    void pressStart() { QTest::mouseClick(label("imgStart"), Qt::LeftButton); }
    void pressCancel() { QTest::mouseClick(label("imgCancel"), Qt::LeftButton); }
    bool waitForIdle()
    {
        return QTest::qWaitFor([&] { return main().SplitState() == 0; }, kTimeout);
    }
    bool waitForEncoderRun(int run)
    {
        return QTest::qWaitFor([&] { return encoder.pid(run) > 0; }, kTimeout);
    }

    // The window's idle look: Start shown, Cancel and the progress panel hidden, the buttons enabled.
    void expectIdleLook()
    {
        EXPECT_FALSE(label("imgStart")->isHidden());
        EXPECT_TRUE(label("imgCancel")->isHidden());
        EXPECT_TRUE(control<QWidget>("panProgress")->isHidden());
        for (const char* name : {"sbtnOpen", "sbtnSettings", "sbtnPlayPreview", "sbtnSelStart", "sbtnErase"})
            EXPECT_TRUE(control<QWidget>(name)->isEnabled()) << name;
        EXPECT_TRUE(main().isEnabled());
    }

    std::vector<QString> captions() const
    {
        std::vector<QString> result;
        for (const auto& box : dialogs.boxes)
            result.push_back(box.caption);
        return result;
    }

    FakeDialogs dialogs;
    FakeShell shell;
    FakePowerControl power;
    TempProgramDir program;
    FakeEncoder encoder{program};
    QString source;
    std::unique_ptr<ProgramWindows> windows;
};

} // namespace

TEST_F(JobTest, RefusalShowsItsBoxAndStartsNothing)
{
    edit("edtEnd")->setText("00:00:00");
    pressStart();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Inform);
    EXPECT_EQ(dialogs.boxes[0].caption, "Invalid End Time");
    EXPECT_EQ(dialogs.boxes[0].text, "Please varify the End Time you selected.");
    EXPECT_EQ(main().SplitState(), 0);
    EXPECT_EQ(encoder.runs(), 0);
    expectIdleLook();
}

TEST_F(JobTest, EqualSectionsRunInTheRunningLookAndEndWithTheSuccessMessage)
{
    control<QRadioButton>("rdbEqual")->setChecked(true);
    edit("edtSectionQty")->setText("2");
    pressStart();

    // The running look, at once.
    EXPECT_EQ(main().SplitState(), 1);
    EXPECT_TRUE(label("imgStart")->isHidden());
    EXPECT_FALSE(label("imgCancel")->isHidden());
    EXPECT_FALSE(control<QWidget>("panProgress")->isHidden());
    EXPECT_EQ(control<QWidget>("panProgress")->height(), 289);
    for (const char* name : {"sbtnOpen", "sbtnSettings", "tkbProgress", "sbtnPlayPreview", "sbtnSelEnd"})
        EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QWidget>("sbtnAbout")->isEnabled());
    EXPECT_EQ(label("labProcessing")->text(), "Splitting: Section 1");
    main().tmrProcessTimer();
    EXPECT_EQ(label("labElapsed")->text(), "00:00:01");

    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(encoder.runs(), 2);
    const QString out = program.path("out/clip_Clip");
    EXPECT_EQ(encoder.arguments(1).mid(0, 7), QStringList({"-y", "-i", source, "-ss", "2", "-t", "3"}));
    EXPECT_EQ(encoder.arguments(2).mid(0, 7), QStringList({"-y", "-i", source, "-ss", "5", "-t", "3"}));
    // The profile's switches follow, then the output, named after the profile last loaded.
    EXPECT_TRUE(encoder.arguments(1).contains("libx264"));
    EXPECT_EQ(encoder.arguments(2).last(), out + "2.mp4");
    EXPECT_EQ(label("labTotalProgress")->text(), "66%");

    ASSERT_EQ(captions(), std::vector<QString>({"Completed"}));
    EXPECT_EQ(dialogs.boxes[0].text, "Splitting is completed successfully.");
    EXPECT_EQ(shell.opened, QStringList({program.path("out")}));
    expectIdleLook();
}

TEST_F(JobTest, FastSeekPreferencePutsTheSeekBeforeTheInput)
{
    setting("chkFastSeek")->setChecked(true);
    pressStart();
    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(encoder.arguments(1).mid(0, 7), QStringList({"-y", "-ss", "2", "-i", source, "-t", "6"}));
}

TEST_F(JobTest, BuilderErrorStopsTheStartBeforeAnyCheck)
{
    program.writeFile("Profiles/Broken.apf", "[Main]\nPara=1\n0=Codec\n[Codec]\nSort=1\ncmd=-c:v\n"
                                             "Caption=A,B,\nValue=a,\nIndex=1\n");
    auto* profiles = control<QComboBox>("cmbProfile");
    profiles->addItem("Broken");
    profiles->setCurrentIndex(profiles->count() - 1);
    main().profileEditor()->LoadProfile(program.path("Profiles/Broken.apf"));
    edit("edtEnd")->setText("00:00:00"); // would be refused, were the checks reached
    pressStart();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].text, "List index out of bounds (1)");
    EXPECT_EQ(main().SplitState(), 0);
}

TEST_F(JobTest, CancelAsksAndEndsASilentEncoderAtOnce)
{
    encoder.write("sleep 30");
    pressStart();
    ASSERT_TRUE(waitForEncoderRun(1));

    dialogs.answers = {false};
    pressCancel();
    EXPECT_EQ(main().SplitState(), 1);
    EXPECT_TRUE(ProcessAlive(encoder.pid(1)));

    dialogs.answers = {true};
    pressCancel();
    ASSERT_TRUE(waitForIdle());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessAlive(encoder.pid(1)); }, 3000));
    EXPECT_EQ(captions(), std::vector<QString>({"Query", "Query"}));
    EXPECT_EQ(dialogs.boxes[0].text, "Do you want to cancel the splitting?");
    expectIdleLook();
}

TEST_F(JobTest, ClosingDuringAJobAsksAndNoKeepsItRunning)
{
    encoder.write("sleep 30");
    pressStart();
    ASSERT_TRUE(waitForEncoderRun(1));

    dialogs.answers = {false};
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().SplitState(), 1);

    dialogs.answers = {true};
    EXPECT_TRUE(main().close());
    ASSERT_TRUE(waitForIdle());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessAlive(encoder.pid(1)); }, 3000));
    EXPECT_EQ(captions(), std::vector<QString>({"Exit Query", "Exit Query"}));
    EXPECT_EQ(dialogs.boxes[0].text, "Do you want to cancel the splitting and exit?");
}

TEST_F(JobTest, AFailedPieceIsNamedInPlaceOfTheSuccess)
{
    encoder.write("if [ \"$run\" = 2 ]; then echo 'Conversion failed!'; exit 1; fi; echo data > \"$output\"");
    control<QRadioButton>("rdbEqual")->setChecked(true);
    edit("edtSectionQty")->setText("3");
    pressStart();
    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(encoder.runs(), 3);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_TRUE(dialogs.boxes[0].text.contains("clip_Clip2.mp4")) << dialogs.boxes[0].text.toStdString();
    EXPECT_FALSE(dialogs.boxes[0].text.contains("clip_Clip1.mp4"));
    EXPECT_TRUE(dialogs.boxes[0].text.contains("Conversion failed!"));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(windows->countDownForm().isHidden());
    expectIdleLook();
}

TEST_F(JobTest, OverwriteQuestionInOneClipModeNoReturnsToIdleSilently)
{
    program.writeFile("out/clip_Clip1.mp4", "old");
    dialogs.answers = {false};
    pressStart();
    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(captions(), std::vector<QString>({"Overwrite"}));
    EXPECT_EQ(dialogs.boxes[0].text, "The output file is existent. Overwrite it?");
    EXPECT_EQ(encoder.runs(), 0);
    expectIdleLook();
}

TEST_F(JobTest, AutoExitCountsDownAndClosesThroughTheNormalClose)
{
    setting("chkExit")->setChecked(true);
    pressStart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows->countDownForm().isVisible(); }, kTimeout));
    EXPECT_TRUE(dialogs.boxes.empty());
    auto* message = windows->countDownForm().findChild<QLabel*>("labMessage");
    EXPECT_EQ(message->text(), "The program will exit within 10 seconds.");
    EXPECT_FALSE(main().isEnabled());

    for (int left = 9; left >= 1; --left) {
        windows->countDownForm().tmrCountdownTimer();
        EXPECT_EQ(message->text(), QStringLiteral("The program will exit within %1 seconds.").arg(left));
    }
    windows->countDownForm().tmrCountdownTimer();
    EXPECT_FALSE(main().isVisible());
    // The normal close saved the preferences, the check box in force among them.
    EXPECT_TRUE(IniFile(program.path("Preferences.ini")).ReadBool("Main", "Auto Exit", false));
    EXPECT_EQ(power.requests, 0);
}

TEST_F(JobTest, TurnOffWinsOverExitAndCancelReturnsToIdle)
{
    setting("chkExit")->setChecked(true);
    setting("chkTurnoff")->setChecked(true);
    power.succeeds = false;
    pressStart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows->countDownForm().isVisible(); }, kTimeout));
    for (int tick = 0; tick < 10; ++tick)
        windows->countDownForm().tmrCountdownTimer();
    EXPECT_EQ(power.requests, 1);
    // A refused power-off leaves the countdown for the user to cancel.
    ASSERT_TRUE(windows->countDownForm().isVisible());
    QTest::mouseClick(windows->countDownForm().findChild<QWidget*>("btnCancel"), Qt::LeftButton);
    EXPECT_TRUE(windows->countDownForm().isHidden());
    EXPECT_TRUE(main().isVisible());
    expectIdleLook();
}

TEST_F(JobTest, PicturesTakeTheirLooksAndGoBackOverThePanels)
{
    QLabel* start = label("imgStart");
    QTest::mouseMove(start, QPoint(10, 10));
    EXPECT_EQ(start->property("tag").toInt(), 1);
    EXPECT_EQ(start->pixmap().toImage(), main().startPicture(1).toImage());
    QTest::mousePress(start, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(start->property("tag").toInt(), 2);
    EXPECT_EQ(start->pixmap().toImage(), main().startPicture(2).toImage());

    QTest::mouseMove(control<QWidget>("Image4"), QPoint(5, 5));
    EXPECT_EQ(start->property("tag").toInt(), 0);
    EXPECT_EQ(start->pixmap().toImage(), main().startPicture(0).toImage());
}
