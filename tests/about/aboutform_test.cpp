#include "about/aboutform.h"
#include "about/makerinfo.h"
#include "app/mainform.h"
#include "app/programwindows.h"
#include "support/fakedialogs.h"
#include "support/fakeshell.h"
#include "support/tempprogramdir.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

class AboutFormTest : public ::testing::Test
{
protected:
    AboutFormTest() { program.makeFolder("Profiles"); }

    static QLabel* label(const ProgramWindows& windows, const char* name)
    {
        return windows.aboutForm().findChild<QLabel*>(name);
    }

    TempProgramDir program;
    FakeDialogs dialogs;
    FakeShell shell;
};

TEST_F(AboutFormTest, ShowsTheNameTheVersionFromThePreferencesAndTheMakersTexts)
{
    const struct
    {
        const char* preferences;
        const char* versionLine;
    } cases[] = {
        {nullptr, "Version 1.8"},
        {"[Main]\r\nAuto Exit=0\r\n", "Version 1.8"},
        {"[main]\r\nVersion= 2.1 beta \r\n", "Version 2.1 beta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.versionLine);
        if (c.preferences)
            program.writeFile("Preferences.ini", c.preferences);
        ProgramWindows windows(program.appDir(), {});
        EXPECT_EQ(label(windows, "labVersion")->text(), c.versionLine);
        EXPECT_EQ(label(windows, "labProgramName")->text(), "Brindlecut");
        EXPECT_EQ(label(windows, "labCopyright")->text(), "Copyright (C) 2026 The Brindlecut developers.");
        EXPECT_EQ(label(windows, "labWebsite")->text(), kMakerWebsite);
        EXPECT_EQ(label(windows, "Label8")->text(), kProductLinks[0].caption);
        EXPECT_EQ(label(windows, "Label9")->text(), kProductLinks[1].caption);
        EXPECT_EQ(label(windows, "Label10")->text(), kProductLinks[2].caption);
    }
}

TEST_F(AboutFormTest, EachLinkOpensItsOwnPageAndPlainTextsOpenNothing)
{
    ProgramWindows windows(program.appDir(), {});
    windows.aboutForm().show();

    for (const char* plain : {"labVisitWebsite", "Label7", "labVersion", "labCopyright"})
        QTest::mouseClick(label(windows, plain), Qt::LeftButton);
    QTest::mouseClick(label(windows, "labWebsite"), Qt::RightButton);
    EXPECT_TRUE(shell.opened.isEmpty()) << shell.opened.join(' ').toStdString();

    for (const char* link : {"labWebsite", "labMore", "Label8", "Label9", "Label10"})
        QTest::mouseClick(label(windows, link), Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList({kMakerWebsite, kMakerWebsite, kProductLinks[0].address,
                                         kProductLinks[1].address, kProductLinks[2].address}));
    for (const auto& product : kProductLinks)
        EXPECT_TRUE(product.address.startsWith(kMakerWebsite)) << product.address.toStdString();
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(AboutFormTest, TheAboutButtonHoldsTheMainWindowUntilTheWindowClosesByAnyWay)
{
    ProgramWindows windows(program.appDir(), {});
    TMainForm& main = windows.mainForm();
    TAboutForm& about = windows.aboutForm();
    main.show();

    const struct
    {
        const char* how;
        std::function<void()> close;
    } ways[] = {
        {"OK",
         [&] {
             QTest::mouseClick(about.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
         }},
        {"close box",
         [&] {
             about.close();
         }},
        {"Escape",
         [&] {
             QTest::keyClick(&about, Qt::Key_Escape);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        QTest::mouseClick(main.findChild<QToolButton*>("sbtnAbout"), Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        EXPECT_TRUE(about.isEnabled());
        EXPECT_FALSE(main.isEnabled());

        way.close();
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(main.isEnabled());
    }
}

TEST_F(AboutFormTest, LaysOutTheWindow)
{
    ProgramWindows windows(program.appDir(), {});
    const TAboutForm& about = windows.aboutForm();
    EXPECT_EQ(about.size(), QSize(476, 330));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());

    const struct
    {
        const char* name;
        QPoint at;
    } placed[] = {
        {"labProgramName", {259, 21}}, {"labVersion", {400, 48}},      {"labCopyright", {40, 134}},
        {"labLicense", {40, 150}},     {"labVisitWebsite", {40, 166}}, {"Label7", {38, 195}},
        {"Label8", {38, 214}},         {"Label9", {38, 230}},          {"Label10", {38, 246}},
        {"btnOK", {376, 284}},
    };
    for (const auto& control : placed) {
        const auto* widget = about.findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->pos(), control.at) << control.name;
    }
    EXPECT_EQ(label(windows, "labProgramName")->width(), 201);
    EXPECT_TRUE(label(windows, "labProgramName")->alignment() & Qt::AlignRight);
    EXPECT_EQ(about.findChild<QPushButton*>("btnOK")->size(), QSize(75, 25));
    EXPECT_EQ(about.findChild<QPushButton*>("btnOK")->text(), "&OK");

    // Each link follows its text on the same line, never over it, and no text leaves the window.
    for (const auto& [text, link] : {std::pair{"labVisitWebsite", "labWebsite"}, std::pair{"Label7", "labMore"}}) {
        const QRect textRect = label(windows, text)->geometry();
        const QRect linkRect = label(windows, link)->geometry();
        EXPECT_EQ(linkRect.y(), textRect.y()) << link;
        EXPECT_GT(linkRect.left(), textRect.right()) << link;
        EXPECT_GE(textRect.width(), label(windows, text)->sizeHint().width()) << text;
    }
    for (const QLabel* each : about.findChildren<QLabel*>())
        EXPECT_LE(each->geometry().right(), about.width() - 1) << each->objectName().toStdString();
}

} // namespace
