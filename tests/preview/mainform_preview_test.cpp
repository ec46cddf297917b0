#include "app/mainform.h"
#include "app/opendialog.h"
#include "platform/numbers.h"
#include "split/timecode.h"
#include "support/fakedialogs.h"
#include "support/fakeshell.h"
#include "support/tempprogramdir.h"
#include "support/testmedia.h"
#include "widgets/dstrackbar.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVideoWidget>
#include <gtest/gtest.h>

namespace {

constexpr int kMediaTimeout = 20000;

// The main window with shortcuts to its controls.
class Window
{
public:
    Window(const QString& appDir, const QStringList& arguments) : form(appDir, arguments) {}

    template <typename Control> Control* get(const char* name)
    {
        auto* control = form.findChild<Control*>(QLatin1String(name));
        if (control == nullptr)
            ADD_FAILURE() << "no control " << name;
        return control;
    }
    QLabel* label(const char* name) { return get<QLabel>(name); }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    DSTrackBar* bar() { return get<DSTrackBar>("tkbProgress"); }
    void click(const char* button) { QTest::mouseClick(get<QToolButton>(button), Qt::LeftButton); }

    // The length labels fill in when the media has told its length.
    bool waitForLength(const char* right)
    {
        return QTest::qWaitFor([&] { return label("labRight")->text() == QLatin1String(right); }, kMediaTimeout);
    }

    void typeAndEnter(const char* field, const QString& text)
    {
        edit(field)->clear();
        QTest::keyClicks(edit(field), text);
        QTest::keyClick(edit(field), Qt::Key_Return);
    }

    // Shows the window and gives it the keyboard focus, so that the focus can move between its controls.
    bool activate()
    {
        form.show();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

    // Types into `field`, then moves the focus to the control `next`.
    void typeAndLeave(const char* field, const QString& text, const char* next)
    {
        edit(field)->setFocus(Qt::MouseFocusReason);
        edit(field)->clear();
        QTest::keyClicks(edit(field), text);
        get<QWidget>(next)->setFocus(Qt::TabFocusReason);
    }

    // Drags `urls` onto the window and drops them; true when the window took the drag and released the drop.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QCoreApplication::sendEvent(&form, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    // Presses and releases the left button on the bar near `position`: the media seeks to where the thumb ends.
    void seekWithTheBar(int position)
    {
        DSTrackBar* positionBar = bar();
        positionBar->setValue(position);
        const QPoint near(positionBar->width() * position / std::max(positionBar->maximum(), 1), 4);
        QTest::mousePress(positionBar, Qt::LeftButton, {}, near);
        QTest::mouseRelease(positionBar, Qt::LeftButton, {}, near);
    }

    TMainForm form;
};

class MainFormPreviewTest : public ::testing::Test
{
protected:
    MainFormPreviewTest() { program.makeFolder("Profiles"); }

    QString dummyFile(const QString& relative)
    {
        program.writeFile(relative, "not a video");
        return program.path(relative);
    }

    TempProgramDir program;
    FakeDialogs dialogs;
    FakeShell shell;
};

TEST_F(MainFormPreviewTest, PreviewAndRangeControlsDoNothingBeforeTheFirstSource)
{
    Window window(program.appDir(), {});
    EXPECT_FALSE(window.get<QWidget>("panbanner")->isHidden());
    EXPECT_FALSE(window.form.sourceLoaded());
    EXPECT_TRUE(window.form.acceptDrops());
    EXPECT_EQ(window.bar()->frequency(), 60);
    EXPECT_EQ(window.bar()->thumbLength(), 8);
    EXPECT_EQ(window.bar()->maximum(), 10);
    const auto* preview = window.get<QTimer>("tmrPreview");
    EXPECT_EQ(preview->interval(), 1000);
    EXPECT_FALSE(preview->isActive());

    for (const char* button :
         {"sbtnPlayPreview", "sbtnPausePreview", "sbtnStopPreview", "sbtnSelStart", "sbtnSelEnd", "sbtnErase"})
        window.click(button);
    ASSERT_TRUE(window.activate());
    window.typeAndEnter("edtStart", "0:1:5");
    window.typeAndLeave("edtEnd", "0:0:9", "edtStart");
    EXPECT_FALSE(window.form.filterGraph().active());
    EXPECT_FALSE(window.bar()->timerEnabled());
    EXPECT_EQ(window.edit("edtStart")->text(), "0:1:5");
    EXPECT_EQ(window.edit("edtEnd")->text(), "0:0:9");
    EXPECT_EQ(window.bar()->selStart(), 0);
    EXPECT_EQ(window.bar()->selEnd(), 0);
    for (const char* marker : {"labStart", "labEnd", "labLength"})
        EXPECT_TRUE(window.label(marker)->isHidden()) << marker;

    // The section count rule works without a source.
    QTest::mouseClick(window.edit("edtSectionQty"), Qt::LeftButton);
    EXPECT_TRUE(window.get<QRadioButton>("rdbEqual")->isChecked());
    EXPECT_FALSE(window.get<QRadioButton>("rdbStartEnd")->isChecked());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormPreviewTest, LoadsTheSourceAndFillsInItsLengthWhenTheMediaTellsIt)
{
    Window window(program.appDir(), {LongTestVideo()});
    EXPECT_TRUE(window.get<QWidget>("panbanner")->isHidden());
    EXPECT_TRUE(window.form.sourceLoaded());
    EXPECT_EQ(window.edit("edtSource")->text(), LongTestVideo());
    EXPECT_EQ(window.edit("edtOutputDir")->text(), "");
    EXPECT_FALSE(window.get<QVideoWidget>("VideoRenderer")->isHidden());
    EXPECT_TRUE(window.bar()->timerEnabled());

    ASSERT_TRUE(window.waitForLength("00:02:05")) << window.label("labRight")->text().toStdString();
    EXPECT_EQ(window.label("labMiddle")->text(), "00:01:02");
    EXPECT_EQ(window.label("labLeft")->text(), "00:00:00");

    window.bar()->timerTick();
    EXPECT_EQ(window.bar()->maximum(), 125);
    EXPECT_EQ(window.label("labCurrent")->text(), SecondsToTimeCode(window.bar()->value()));

    // While a job runs the preview timer shows the full length and puts the thumb at the rounded end.
    window.bar()->setRange(0, 200);
    window.form.tmrPreviewTimer();
    EXPECT_EQ(window.label("labCurrent")->text(), "00:02:05");
    EXPECT_EQ(window.bar()->value(), 126);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormPreviewTest, PlayPauseAndStopDriveTheMediaAndTheBarsTick)
{
    Window window(program.appDir(), {ShortTestVideo()});
    ASSERT_TRUE(window.waitForLength("00:00:20"));
    window.click("sbtnPausePreview");
    EXPECT_FALSE(window.bar()->timerEnabled());
    window.click("sbtnPlayPreview");
    EXPECT_TRUE(window.bar()->timerEnabled());
    window.click("sbtnStopPreview");
    EXPECT_FALSE(window.bar()->timerEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.form.filterGraph().currentPosition() == 0; }, kMediaTimeout));
}

TEST_F(MainFormPreviewTest, AptoticFromThePreferencesFileDecidesWhetherTheOutputFolderFollows)
{
    const QString source = dummyFile("Video/Trip.wmv");
    const struct
    {
        const char* preferences;
        QString outputDir;
    } cases[] = {
        {nullptr, ""},
        {"[Main]\r\nOverwrite=0\r\n", ""},
        {"[Main]\r\nAptotic=1\r\n", ""},
        {"[Main]\r\nAptotic=0\r\n", program.path("Video") + "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preferences ? c.preferences : "no file");
        QFile::remove(program.path("Preferences.ini"));
        if (c.preferences)
            program.writeFile("Preferences.ini", c.preferences);
        Window window(program.appDir(), {source});
        EXPECT_EQ(window.edit("edtSource")->text(), source);
        EXPECT_EQ(window.edit("edtOutputDir")->text(), c.outputDir);
    }
}

TEST_F(MainFormPreviewTest, MarkerButtonsPlaceTheMarkersUnderTheBar)
{
    Window window(program.appDir(), {LongTestVideo()});
    ASSERT_TRUE(window.waitForLength("00:02:05"));
    window.click("sbtnPausePreview");
    DSTrackBar* bar = window.bar();
    QLabel* start = window.label("labStart");
    QLabel* end = window.label("labEnd");
    QLabel* length = window.label("labLength");
    bar->setRange(0, 100);

    bar->setValue(50);
    window.click("sbtnSelStart");
    EXPECT_EQ(bar->selStart(), 50);
    EXPECT_EQ(window.edit("edtStart")->text(), "00:00:50");
    EXPECT_EQ(start->text(), "[ 00:00:50");
    EXPECT_EQ(start->pos(), QPoint(187, 289));
    EXPECT_FALSE(start->isHidden());
    EXPECT_FALSE(length->isHidden());
    EXPECT_EQ(length->text(), "The End Time should be later than the Start Time.");

    window.click("sbtnSelEnd");
    EXPECT_EQ(bar->selEnd(), 50);
    EXPECT_EQ(end->text(), "00:00:50 ]");
    EXPECT_EQ(end->x() + end->width(), 187);
    EXPECT_EQ(end->y(), 299);
    EXPECT_FALSE(end->isHidden());

    bar->setValue(10);
    window.click("sbtnSelStart");
    bar->setValue(90);
    window.click("sbtnSelEnd");
    EXPECT_EQ(end->y(), start->y());
    EXPECT_EQ(start->y(), 289);
    EXPECT_EQ(length->text(), "The length of the marked rang is 00:01:20");

    window.get<QRadioButton>("rdbEqual")->setChecked(true);
    window.click("sbtnErase");
    EXPECT_EQ(window.edit("edtStart")->text(), "00:00:00");
    EXPECT_EQ(window.edit("edtEnd")->text(), "00:00:00");
    EXPECT_EQ(bar->selStart(), 0);
    EXPECT_EQ(bar->selEnd(), 0);
    for (const QLabel* label : {start, end, length})
        EXPECT_TRUE(label->isHidden()) << label->objectName().toStdString();
    EXPECT_EQ(bar->value(), 90);
    EXPECT_TRUE(window.get<QRadioButton>("rdbEqual")->isChecked());
}

TEST_F(MainFormPreviewTest, TypedTimesAreTakenOnEnterAndOnLeavingTheField)
{
    OverrideLocaleDecimalSeparator(QLatin1Char('.'));
    Window window(program.appDir(), {LongTestVideo()});
    ASSERT_TRUE(window.activate());
    ASSERT_TRUE(window.waitForLength("00:02:05"));
    window.click("sbtnPausePreview");
    DSTrackBar* bar = window.bar();
    bar->setRange(0, 125);

    window.typeAndEnter("edtStart", "0:1:5");
    EXPECT_EQ(window.edit("edtStart")->text(), "00:01:05");
    EXPECT_EQ(bar->selStart(), 65);
    EXPECT_EQ(window.label("labStart")->text(), "[ 00:01:05");
    EXPECT_FALSE(window.label("labStart")->isHidden());

    window.typeAndLeave("edtStart", "0:0:5", "edtSource");
    EXPECT_EQ(bar->selStart(), 5);

    // Not a time code: left as typed, nothing else changes.
    window.typeAndLeave("edtEnd", "1:30", "edtStart");
    EXPECT_EQ(window.edit("edtEnd")->text(), "1:30");
    EXPECT_EQ(bar->selEnd(), 0);
    EXPECT_TRUE(window.label("labEnd")->isHidden());

    // The length runs to the typed fraction, the selection to the nearest second.
    window.typeAndEnter("edtEnd", "00:00:10.6");
    EXPECT_EQ(bar->selEnd(), 11);
    EXPECT_EQ(window.edit("edtEnd")->text(), "00:00:10");
    EXPECT_EQ(window.label("labLength")->text(), "The length of the marked rang is 00:00:05");

    // Past the end: the band and the marker stop at the media's end, the field keeps the time.
    window.typeAndEnter("edtEnd", "0:5:0");
    EXPECT_EQ(bar->selEnd(), 126);
    EXPECT_EQ(window.edit("edtEnd")->text(), "00:05:00");
    const QLabel* end = window.label("labEnd");
    EXPECT_EQ(end->x() + end->width(), 337);
    EXPECT_EQ(window.label("labLength")->text(), "The length of the marked rang is 00:02:00");

    // Switching to another window is no leaving of the field.
    window.edit("edtStart")->setFocus();
    window.edit("edtStart")->setText("0:0:20");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(bar->selStart(), 5);
    EXPECT_EQ(window.edit("edtStart")->text(), "0:0:20");
    OverrideLocaleDecimalSeparator(std::nullopt);
}

TEST_F(MainFormPreviewTest, ASecondSourceReplacesTheFirstAndResetsTheRange)
{
    Window window(program.appDir(), {LongTestVideo()});
    ASSERT_TRUE(window.waitForLength("00:02:05"));
    window.typeAndEnter("edtStart", "0:0:10");
    window.typeAndEnter("edtEnd", "0:1:10");
    window.bar()->timerTick();
    window.seekWithTheBar(100);
    const std::int64_t target = 125700LL * window.bar()->value() / 125;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.form.filterGraph().currentPosition() >= target; }, kMediaTimeout))
        << window.form.filterGraph().currentPosition() << " short of " << target;

    ASSERT_TRUE(window.drop({QUrl::fromLocalFile(ShortTestVideo())}));
    EXPECT_EQ(window.edit("edtSource")->text(), ShortTestVideo());
    EXPECT_EQ(window.edit("edtStart")->text(), "00:00:00");
    EXPECT_EQ(window.edit("edtEnd")->text(), "00:00:00");
    EXPECT_EQ(window.bar()->selStart(), 0);
    EXPECT_EQ(window.bar()->selEnd(), 0);
    for (const char* marker : {"labStart", "labEnd", "labLength"})
        EXPECT_TRUE(window.label(marker)->isHidden()) << marker;
    ASSERT_TRUE(window.waitForLength("00:00:20"));
    EXPECT_EQ(window.label("labMiddle")->text(), "00:00:10");
    EXPECT_LT(window.form.filterGraph().currentPosition(), 20000);
    EXPECT_TRUE(window.bar()->timerEnabled());
}

TEST_F(MainFormPreviewTest, CommandLineTakesASupportedFileOrTheFirstLineOfAListFile)
{
    const QString clip = dummyFile("in/Clip.AVI");
    const QString trip = dummyFile("in/Trip.wmv");
    const QString notes = dummyFile("in/Notes.txt");
    program.makeFolder("in/Movie.avi");
    program.writeFile("in/List.TMP", (trip + "\r\n" + clip + "\r\n").toUtf8());
    program.writeFile("in/Blank.tmp", ("\r\n" + trip).toUtf8());
    program.writeFile("in/Text.tmp", notes.toUtf8());
    program.writeFile("in/Empty.tmp", "");

    const struct
    {
        QStringList arguments;
        QString loaded;
        bool error;
    } cases[] = {
        {{}, "", false},
        {{clip, trip}, clip, false},
        {{program.path("in/List.TMP")}, trip, false},
        {{program.path("in/Blank.tmp")}, "", false},
        {{program.path("in/Text.tmp")}, "", false},
        {{notes}, "", false},
        {{program.path("in/Movie.avi")}, "", false},
        {{program.path("in/Missing.avi")}, "", false},
        {{program.path("in/Empty.tmp")}, "", true},
        {{program.path("in/Missing.tmp")}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        dialogs.boxes.clear();
        Window window(program.appDir(), c.arguments);
        EXPECT_EQ(window.edit("edtSource")->text(), c.loaded);
        EXPECT_EQ(window.form.sourceLoaded(), !c.loaded.isEmpty());
        EXPECT_EQ(window.get<QWidget>("panbanner")->isHidden(), !c.loaded.isEmpty());
        EXPECT_TRUE(window.form.acceptDrops());
        ASSERT_EQ(dialogs.boxes.size(), c.error ? 1u : 0u);
        if (c.error) {
            EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
            EXPECT_TRUE(dialogs.boxes[0].text.contains(c.arguments[0])) << dialogs.boxes[0].text.toStdString();
        }
    }
}

TEST_F(MainFormPreviewTest, RelativeCommandLinePathIsTakenFromTheCurrentFolder)
{
    const QString clip = dummyFile("in/Clip.mp4");
    program.writeFile("Preferences.ini", "[Main]\r\nAptotic=0\r\n");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(program.path("in"));
    Window window(program.appDir(), {"Clip.mp4"});
    QDir::setCurrent(previous);
    EXPECT_EQ(window.edit("edtSource")->text(), clip);
    EXPECT_EQ(window.edit("edtOutputDir")->text(), program.path("in") + "/");
}

TEST_F(MainFormPreviewTest, DroppedFilesLoadTheFirstWholeUnlessAJobRuns)
{
    const QString first = dummyFile("drop/First.avi");
    const QString second = dummyFile("drop/Second.avi");
    const QString third = dummyFile("drop/Third.avi");
    program.makeFolder("drop/Folder.avi");
    const QString notes = dummyFile("drop/Notes.txt");
    const QString longName(120, QLatin1Char('n'));
    const QString deep = dummyFile("drop/" + longName + "/" + longName + "/Deep.mpg");
    ASSERT_GT(deep.size(), 253);

    Window window(program.appDir(), {});
    EXPECT_TRUE(window.drop({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl::fromLocalFile(third)}));
    EXPECT_EQ(window.edit("edtSource")->text(), first);

    for (const QString& ignored : {program.path("drop/Folder.avi"), notes, program.path("drop/Missing.avi")}) {
        EXPECT_TRUE(window.drop({QUrl::fromLocalFile(ignored), QUrl::fromLocalFile(second)}));
        EXPECT_EQ(window.edit("edtSource")->text(), first) << ignored.toStdString();
    }
    EXPECT_TRUE(window.drop({QUrl(QStringLiteral("https://example.com/Clip.avi"))}));
    EXPECT_EQ(window.edit("edtSource")->text(), first);

    // While a job runs the progress panel is up: the drop is released untouched.
    window.get<QWidget>("panProgress")->show();
    EXPECT_TRUE(window.drop({QUrl::fromLocalFile(second)}));
    EXPECT_EQ(window.edit("edtSource")->text(), first);
    window.get<QWidget>("panProgress")->hide();

    EXPECT_TRUE(window.drop({QUrl::fromLocalFile(deep)}));
    EXPECT_EQ(window.edit("edtSource")->text(), deep);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormPreviewTest, OpenVideoLoadsTheChosenNameWithoutCheckingIt)
{
    struct ChooserGuard
    {
        ~ChooserGuard() { OpenDialog::setChooser({}); }
    } guard;
    QWidget* owner = nullptr;
    QStringList filters;
    QString answer = program.path("no such file.xyz");
    OpenDialog::setChooser([&](QWidget* dialogOwner, const QStringList& nameFilters) {
        owner = dialogOwner;
        filters = nameFilters;
        return answer;
    });

    Window window(program.appDir(), {});
    window.click("sbtnOpen");
    EXPECT_EQ(owner, &window.form);
    EXPECT_EQ(filters, FileDialogNameFilters(window.form.openDialogFilter()));
    EXPECT_EQ(window.edit("edtSource")->text(), answer);
    EXPECT_TRUE(window.form.sourceLoaded());
    EXPECT_TRUE(window.get<QWidget>("panbanner")->isHidden());

    // Cancelled: nothing changes.
    const QString loaded = answer;
    answer.clear();
    window.click("sbtnOpen");
    EXPECT_EQ(window.edit("edtSource")->text(), loaded);
    EXPECT_TRUE(dialogs.boxes.empty());
}

} // namespace
