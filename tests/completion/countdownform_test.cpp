#include "app/skin.h"
#include "completion/countdownform.h"
#include "support/fakedialogs.h"
#include "support/fakepowercontrol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Stands in for the main window: counts its close requests and may refuse them.
class RecordingMainWindow final : public QWidget
{
public:
    int closeRequests = 0;
    bool refusesClose = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->setAccepted(!refusesClose);
    }
};

class CountDownFormTest : public ::testing::Test
{
protected:
    CountDownFormTest()
    {
        mainWindow.show();
        form.setReturnToIdle([this] { ++returnsToIdle; });
    }

    QString message() const { return form.findChild<QLabel*>("labMessage")->text(); }
    QPushButton* button(const char* name) const { return form.findChild<QPushButton*>(name); }
    QTimer* timer() const { return form.findChild<QTimer*>("tmrCountdown"); }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            form.tmrCountdownTimer();
    }
    void expectCounting(const char* prefix, int secondsLeft) const
    {
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isEnabled());
        EXPECT_FALSE(mainWindow.isEnabled());
        EXPECT_EQ(message(), QStringLiteral("%1 %2 seconds.").arg(QString::fromUtf8(prefix)).arg(secondsLeft));
    }
    void expectIdleAndClosed() const
    {
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_FALSE(timer()->isActive());
    }

    FakeDialogs dialogs;
    FakePowerControl power;
    AppContext context;
    RecordingMainWindow mainWindow;
    TCountDownForm form{context, &mainWindow};
    int returnsToIdle = 0;
};

TEST_F(CountDownFormTest, ExitClosesTheMainWindowWhenTheCountReachesZero)
{
    for (const bool refuses : {false, true}) {
        SCOPED_TRACE(refuses ? "main window refuses" : "main window closes");
        mainWindow.show();
        mainWindow.refusesClose = refuses;
        mainWindow.closeRequests = 0;

        form.startCountdown(CountdownMode::Exit);
        EXPECT_EQ(button("btnDoNow")->text(), "Exit Now");
        expectCounting("The program will exit within", 10);
        EXPECT_TRUE(timer()->isActive());
        EXPECT_EQ(timer()->interval(), 1000);

        tick(9);
        expectCounting("The program will exit within", 1);
        EXPECT_EQ(mainWindow.closeRequests, 0);

        tick(1);
        EXPECT_EQ(message(), "The program will exit within 0 seconds.");
        EXPECT_FALSE(timer()->isActive());
        EXPECT_EQ(mainWindow.closeRequests, 1);
        EXPECT_EQ(mainWindow.isVisible(), refuses);
        // A refused close leaves the window waiting at zero for the user.
        if (refuses) {
            EXPECT_TRUE(form.isVisible());
        }
        EXPECT_EQ(power.requests, 0);
        EXPECT_EQ(returnsToIdle, 0);
        form.hide();
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(CountDownFormTest, FailedPowerOffAsksAgainAtZeroAndLeavesTheWindowForCancel)
{
    power.succeeds = false;
    form.startCountdown(CountdownMode::PowerOff);
    EXPECT_EQ(button("btnDoNow")->text(), "Turn off Now");
    expectCounting("The computer will be turned off within", 10);

    tick(3);
    QTest::mouseClick(button("btnDoNow"), Qt::LeftButton);
    EXPECT_EQ(power.requests, 1);
    // The action does not stop the count.
    EXPECT_TRUE(timer()->isActive());
    tick(1);
    expectCounting("The computer will be turned off within", 6);

    tick(6);
    EXPECT_EQ(power.requests, 2);
    EXPECT_FALSE(timer()->isActive());
    expectCounting("The computer will be turned off within", 0);
    EXPECT_EQ(mainWindow.closeRequests, 0);
    EXPECT_TRUE(dialogs.boxes.empty());

    QTest::mouseClick(button("btnCancel"), Qt::LeftButton);
    EXPECT_EQ(returnsToIdle, 1);
    expectIdleAndClosed();
}

TEST_F(CountDownFormTest, CancelCloseBoxAndEscapeReturnToIdleWithoutActing)
{
    const struct
    {
        const char* how;
        std::function<void(TCountDownForm&)> cancel;
    } ways[] = {
        {"Cancel",
         [](TCountDownForm& f) {
             f.findChild<QPushButton*>("btnCancel")->click();
         }},
        {"close box",
         [](TCountDownForm& f) {
             f.close();
         }},
        {"Escape",
         [](TCountDownForm& f) {
             QTest::keyClick(&f, Qt::Key_Escape);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        returnsToIdle = 0;
        form.startCountdown(CountdownMode::PowerOff);
        tick(4);
        way.cancel(form);

        EXPECT_EQ(returnsToIdle, 1);
        expectIdleAndClosed();
        EXPECT_EQ(power.requests, 0);
        EXPECT_EQ(mainWindow.closeRequests, 0);
    }
}

TEST_F(CountDownFormTest, ANextJobShowsTheWindowAgainFromTenInItsOwnMode)
{
    form.startCountdown(CountdownMode::PowerOff);
    tick(7);
    button("btnCancel")->click();

    form.startCountdown(CountdownMode::Exit);
    EXPECT_EQ(button("btnDoNow")->text(), "Exit Now");
    expectCounting("The program will exit within", 10);
    EXPECT_TRUE(timer()->isActive());
    tick(10);
    EXPECT_EQ(mainWindow.closeRequests, 1);
    EXPECT_EQ(power.requests, 0);
}

TEST_F(CountDownFormTest, WithoutAReturnToIdleCancelStillGivesTheMainWindowBack)
{
    TCountDownForm plain(context, &mainWindow);
    plain.startCountdown(CountdownMode::Exit);
    EXPECT_FALSE(mainWindow.isEnabled());
    plain.findChild<QPushButton*>("btnCancel")->click();
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_FALSE(plain.isVisible());
}

TEST_F(CountDownFormTest, LaysOutItsControlsOnItsOwnGreyUnderTheSkin)
{
    const struct
    {
        const char* name;
        QRect geometry;
    } placed[] = {
        {"Image1", {24, 16, 32, 32}},
        // Wider than the 265 pixels of the original layout: the power-off text needs 279 in DejaVu Sans 8 pt.
        {"labMessage", {77, 24, 289, 13}},
        {"btnDoNow", {176, 64, 75, 25}},
        {"btnCancel", {272, 64, 75, 25}},
    };
    for (const auto& control : placed) {
        const auto* widget = form.findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    EXPECT_EQ(button("btnDoNow")->text(), "Now");
    EXPECT_EQ(button("btnDoNow")->nextInFocusChain(), button("btnCancel"));
    EXPECT_EQ(form.size(), QSize(376, 106));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_FALSE(timer()->isActive());

    // The skin paints every dialog in its own gradient; this window keeps its plain grey.
    auto& application = *static_cast<QApplication*>(QCoreApplication::instance());
    const QFont font = QApplication::font();
    ApplySkin(application);
    const QImage picture = form.grab().toImage();
    application.setStyleSheet(QString());
    QApplication::setFont(font);
    for (const QPoint at : {QPoint(4, 4), QPoint(4, 100), QPoint(370, 100)})
        EXPECT_EQ(picture.pixelColor(at).name(), QColor(237, 237, 237).name()) << at.x() << "," << at.y();
}

} // namespace
