#include "app/skin.h"
#include "fakefolderdialog.h"
#include "platform/paths.h"
#include "prefs/settingform.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kCheckBoxes[] = {"chkPreview", "chkOverwrite", "chkoutputdir", "chkOpenDir", "chkExit", "chkTurnoff"};

const QByteArray kSaved = "[Main]\nPreview=1\nOverwrite=0\nAptotic=1\nOutput Dir=/saved\nAuto Open Dir=0\n"
                          "Auto Exit=1\nAuto Turn Off=0\nProfile=2\n";

} // namespace

// The Settings window over a stand-in for the main window with the three controls it drives.
class SettingFormTest : public ::testing::Test
{
protected:
    SettingFormTest()
    {
        context.AppDir = program.appDir();
        profiles->addItems({"A", "B", "C"});
        profiles->setCurrentIndex(-1);
    }

    std::unique_ptr<TSettingForm> create()
    {
        return std::make_unique<TSettingForm>(context, &mainWindow, MainWindowControls{profiles, outputDir, preview});
    }

    QByteArray file() const
    {
        QFile ini(program.path("Preferences.ini"));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray("(none)");
    }

    static QCheckBox* box(const TSettingForm& form, const char* name) { return form.findChild<QCheckBox*>(name); }
    static QLineEdit* edit(const TSettingForm& form) { return form.findChild<QLineEdit*>("edtOutputDir"); }
    static void click(const TSettingForm& form, const char* button)
    {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    TempProgramDir program;
    FakeDialogs dialogs;
    FakeFolderDialog folders;
    AppContext context;
    QWidget mainWindow;
    QComboBox* profiles = new QComboBox(&mainWindow);
    QLineEdit* outputDir = new QLineEdit(&mainWindow);
    QCheckBox* preview = new QCheckBox(&mainWindow);
};

TEST_F(SettingFormTest, LaysOutTheWindowWithItsTextsAndTabOrder)
{
    const auto form = create();
    EXPECT_EQ(form->objectName(), "SettingForm");
    EXPECT_EQ(form->windowTitle(), "Settings");
    EXPECT_EQ(form->size(), QSize(351, 332));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    const struct
    {
        const char* name;
        QPoint position;
        int width;
        const char* text;
    } controls[] = {
        {"chkPreview", {64, 8}, 193, "Preview the video when it is splitted."},
        {"chkOverwrite", {24, 32}, 165, "Overwrite existent output files."},
        {"chkoutputdir", {24, 72}, 169, "Use the aptotic output directory."},
        {"edtOutputDir", {47, 101}, 202, nullptr},
        {"bbtnBrowse", {253, 98}, 65, "Browse"},
        {"chkOpenDir", {24, 158}, 276, "Open the output directory when the task is completed. "},
        {"chkExit", {24, 190}, 238, "Exit the program when the task is completed."},
        {"chkTurnoff", {24, 222}, 262, "Turn off the computer when the task is completed."},
        {"chkFastSeek", {24, 254}, 200, "Seek directly to each piece (faster)."},
        {"btnDefault", {16, 291}, 89, "&Load Default"},
        {"btnOK", {176, 291}, 75, "&OK"},
        {"btnCancel", {260, 291}, 75, "&Cancel"},
    };
    for (const auto& control : controls) {
        const auto* widget = form->findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->pos(), control.position) << control.name;
        // Wider where the platform's font needs it: the captions must not be cut.
        EXPECT_GE(widget->width(), control.width) << control.name;
        EXPECT_LE(widget->geometry().right(), form->width() - 1) << control.name;
        EXPECT_TRUE(widget->isEnabled()) << control.name;
        EXPECT_EQ(widget->isHidden(), control.name == std::string("chkPreview")) << control.name;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), control.text) << control.name;
        }
    }
    EXPECT_FALSE(form->findChild<QPushButton*>("bbtnBrowse")->icon().isNull());

    QStringList tabOrder;
    for (QWidget* w = form->nextInFocusChain(); w != form.get(); w = w->nextInFocusChain())
        tabOrder.append(w->objectName());
    EXPECT_EQ(tabOrder,
              QStringList({"chkPreview", "chkOverwrite", "chkoutputdir", "edtOutputDir", "chkExit", "chkOpenDir",
                           "chkTurnoff", "chkFastSeek", "btnDefault", "btnOK", "btnCancel", "bbtnBrowse"}));
}

TEST_F(SettingFormTest, CaptionsFitTheirControlsUnderTheSkin)
{
    const QString sheet = qApp->styleSheet();
    const QFont font = QApplication::font();
    const QString style = QApplication::style()->name();
    ApplySkin(*qApp);
    {
        const auto form = create();
        for (const char* name : {"chkOverwrite", "chkoutputdir", "chkOpenDir", "chkExit", "chkTurnoff", "chkFastSeek",
                                 "bbtnBrowse", "btnDefault", "btnOK", "btnCancel"}) {
            auto* control = form->findChild<QAbstractButton*>(name);
            control->ensurePolished();
            EXPECT_LE(control->sizeHint().width(), control->width()) << name;
        }
    }
    qApp->setStyleSheet(sheet);
    QApplication::setFont(font);
    QApplication::setStyle(style);
}

TEST_F(SettingFormTest, WithoutAFileEveryBoxIsCheckedAndTheFirstSaveWritesMainOnly)
{
    const auto form = create();
    for (const char* name : kCheckBoxes)
        EXPECT_TRUE(box(*form, name)->isChecked()) << name;
    EXPECT_TRUE(form->overwrite() && form->openDir() && form->autoExit() && form->turnOff());
    EXPECT_FALSE(form->fastSeek()); // absent means off
    EXPECT_EQ(edit(*form)->text(), program.appDir());
    EXPECT_EQ(profiles->currentIndex(), 0);
    EXPECT_EQ(outputDir->text(), program.appDir()); // the fixed output folder is on
    EXPECT_EQ(file(), "(none)");                    // reading creates nothing

    form->show();
    click(*form, "btnOK");
    EXPECT_EQ(file(), "[Main]\nPreview=1\nOverwrite=1\nAptotic=1\nOutput Dir=" + program.appDir().toUtf8() +
                          "\nAuto Open Dir=1\nAuto Exit=1\nAuto Turn Off=1\nFast Seek=0\nProfile=0\n");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SettingFormTest, ShippedFileHoldsSafeFactoryValuesInBothSections)
{
    QFile shipped(BRINDLECUT_SOURCE_DIR "/data/Preferences.ini");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    program.writeFile("Preferences.ini", shipped.readAll());
    outputDir->setText("untouched");
    // The saved position is an index into the list of the shipped profiles, as the main window lists them.
    profiles->clear();
    for (const QString& name : ListFilesWithExtension(BRINDLECUT_SOURCE_DIR "/data/Profiles", ".apf"))
        profiles->addItem(NameWithoutExtension(name));
    const auto form = create();

    for (bool fromDefaults : {false, true}) {
        form->LoadPreferences(fromDefaults);
        EXPECT_TRUE(box(*form, "chkPreview")->isChecked());
        EXPECT_FALSE(box(*form, "chkOverwrite")->isChecked());
        EXPECT_FALSE(box(*form, "chkoutputdir")->isChecked());
        EXPECT_TRUE(box(*form, "chkOpenDir")->isChecked());
        EXPECT_FALSE(box(*form, "chkExit")->isChecked());
        EXPECT_FALSE(box(*form, "chkTurnoff")->isChecked());
        EXPECT_TRUE(box(*form, "chkFastSeek")->isChecked());
        EXPECT_EQ(edit(*form)->text(), program.appDir());
    }
    EXPECT_EQ(profiles->currentText(), "MP4 - H.264 and AAC");
    EXPECT_EQ(outputDir->text(), "untouched"); // no fixed output folder
}

TEST_F(SettingFormTest, SelectsTheSavedProfilePositionWithoutRaisingAUserChange)
{
    const struct
    {
        const char* value;
        int selected;
    } cases[] = {{"2", 2}, {"0x1", 1}, {"3", -1}, {"-1", -1}, {"second", 0}};
    const QSignalSpy activated(profiles, &QComboBox::activated);
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", QByteArray("[Main]\nProfile=") + c.value + "\n");
        profiles->setCurrentIndex(1);
        const auto form = create();
        EXPECT_EQ(profiles->currentIndex(), c.selected) << c.value;
    }
    EXPECT_EQ(activated.count(), 0);
}

TEST_F(SettingFormTest, OkSavesAndCopiesTheFolderOnlyWhenItIsFixed)
{
    for (bool aptotic : {true, false}) {
        program.writeFile("Preferences.ini", kSaved);
        const auto form = create();
        outputDir->setText("main field");
        preview->setChecked(true);
        profiles->setCurrentIndex(1);
        form->show();
        EXPECT_FALSE(mainWindow.isEnabled());

        box(*form, "chkoutputdir")->setChecked(aptotic);
        box(*form, "chkPreview")->setChecked(false);
        box(*form, "chkExit")->setChecked(true);
        box(*form, "chkTurnoff")->setChecked(true);
        box(*form, "chkFastSeek")->setChecked(true);
        edit(*form)->setText("/typed");
        click(*form, "btnOK");

        EXPECT_EQ(file(),
                  QByteArray("[Main]\nPreview=0\nOverwrite=0\nAptotic=") + (aptotic ? "1" : "0") +
                      "\nOutput Dir=/typed\nAuto Open Dir=0\nAuto Exit=1\nAuto Turn Off=1\nProfile=1\n"
                      "Fast Seek=1\n"); // a key the file lacked goes to the end of its section
        EXPECT_EQ(outputDir->text(), aptotic ? "/typed" : "main field");
        EXPECT_FALSE(preview->isChecked());
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(mainWindow.isEnabled());
    }
}

TEST_F(SettingFormTest, CancelPutsTheSavedValuesAndProfileBack)
{
    program.writeFile("Preferences.ini", kSaved);
    const auto form = create();
    form->show();
    for (const char* name : kCheckBoxes)
        box(*form, name)->toggle();
    edit(*form)->setText("/edited");
    profiles->setCurrentIndex(0);

    click(*form, "btnCancel");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_FALSE(form->overwrite());
    EXPECT_FALSE(form->openDir());
    EXPECT_TRUE(form->autoExit());
    EXPECT_FALSE(form->turnOff());
    EXPECT_TRUE(box(*form, "chkPreview")->isChecked());
    EXPECT_TRUE(box(*form, "chkoutputdir")->isChecked());
    EXPECT_EQ(edit(*form)->text(), "/saved");
    EXPECT_EQ(profiles->currentIndex(), 2);
    EXPECT_EQ(file(), kSaved);
}

TEST_F(SettingFormTest, CloseBoxKeepsTheEditsInForceAndCopiesNothing)
{
    program.writeFile("Preferences.ini", kSaved);
    const auto form = create();
    outputDir->setText("main field");
    form->show();
    box(*form, "chkOverwrite")->setChecked(true);
    box(*form, "chkPreview")->setChecked(false);
    edit(*form)->setText("/edited");

    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_TRUE(form->overwrite());
    EXPECT_EQ(outputDir->text(), "main field");
    EXPECT_FALSE(preview->isChecked());
    EXPECT_EQ(file(), kSaved);

    // Shown again, it still holds the edits.
    form->show();
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_EQ(edit(*form)->text(), "/edited");
    form->close();
}

TEST_F(SettingFormTest, LoadDefaultReadsTheDefaultsSavesNothingAndReselectsTheSavedProfile)
{
    const struct
    {
        QByteArray defaults;
        bool checked;
        const char* folder;
        bool fastSeek;
    } cases[] = {
        {"", true, nullptr, false}, // no section: every box checked but fast seek, the program folder
        {"[Default]\nPreview=0\nOverwrite=0\nAptotic=0\nOutput Dir=/factory/\nAuto Open Dir=0\nAuto Exit=0\n"
         "Auto Turn Off=0\nFast Seek=1\nProfile=0\n",
         false, "/factory/", true},
    };
    for (const auto& c : cases) {
        program.writeFile("Preferences.ini", kSaved + c.defaults);
        const auto form = create();
        form->show();
        profiles->setCurrentIndex(0);

        click(*form, "btnDefault");
        for (const char* name : kCheckBoxes)
            EXPECT_EQ(box(*form, name)->isChecked(), c.checked) << name;
        EXPECT_EQ(form->fastSeek(), c.fastSeek);
        EXPECT_EQ(edit(*form)->text(), c.folder ? QString(c.folder) : program.appDir());
        EXPECT_EQ(profiles->currentIndex(), 2);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(file(), kSaved + c.defaults);

        click(*form, "btnCancel");
        EXPECT_EQ(edit(*form)->text(), "/saved");
    }
}

TEST_F(SettingFormTest, RefusedSaveOnOkShowsTheErrorAndKeepsTheWindowOpen)
{
    program.writeFile("Preferences.ini", kSaved);
    ASSERT_TRUE(QFile::setPermissions(program.path("Preferences.ini"), QFile::ReadOwner | QFile::ReadGroup));
    const auto form = create();
    outputDir->setText("main field");
    form->show();
    box(*form, "chkOverwrite")->setChecked(true);
    edit(*form)->setText("/edited");

    click(*form, "btnOK");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].owner, form.get());
    EXPECT_EQ(dialogs.boxes[0].caption, "Brindlecut");
    EXPECT_EQ(dialogs.boxes[0].text, "Unable to write to " + program.path("Preferences.ini") + ".");
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_EQ(outputDir->text(), "main field");
    EXPECT_EQ(file(), kSaved);
    form->close();
}

TEST_F(SettingFormTest, BrowseFillsTheFolderWithATrailingSeparatorAndCancelChangesNothing)
{
    const auto form = create();
    form->show();
    folders.answers = {QStringLiteral("/videos/out"), QStringLiteral("/"), std::nullopt};
    const char* const expected[] = {"/videos/out/", "/", "/"};
    for (const char* folder : expected) {
        click(*form, "bbtnBrowse");
        EXPECT_EQ(edit(*form)->text(), folder);
    }
    ASSERT_EQ(folders.requests.size(), 3u);
    EXPECT_EQ(folders.requests[0].owner, form.get());
    EXPECT_EQ(folders.requests[0].title, "Select the output directory.");
    EXPECT_EQ(folders.requests[0].initialFolder, "");
    EXPECT_EQ(file(), "(none)");
    form->close();
}
