#include "profiles/opsettingform.h"
#include "profiles/sizeform.h"
#include "qtprinters.h"
#include "sampleprofiles.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The editor with the worked example loaded, the size dialog, and the main window they both serve, wired as
// at start-up.
class SizeFormTest : public testing::Test
{
protected:
    SizeFormTest()
    {
        program.writeFile("Profiles/Example.apf", kWorkedExample);
        context.AppDir = program.appDir();
        mainWindow.show();
        editor.SelectProfile(0);
        editor.cmbProfileChange();
        QObject::connect(&editor, &TopSettingForm::CustomSizeChosen, &sizeForm, &QWidget::show);
        editor.show();
    }

    template <typename T> T* child(const char* name) const
    {
        auto* widget = sizeForm.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString videoSize() const { return editor.model().ShownText(ProfileGrid::Video, "Video Size"); }

    // The user chooses "Custom Size" from the drop-down list of the "Video Size" row.
    void chooseCustomSize()
    {
        auto* grid = editor.findChild<QTableView*>("vleVideo");
        const QModelIndex cell = grid->model()->index(1, 1);
        grid->setCurrentIndex(cell);
        auto* combo = qobject_cast<QComboBox*>(grid->indexWidget(cell));
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(2);
        Q_EMIT combo->activated(2);
    }

    void type(const QString& width, const QString& height)
    {
        child<QLineEdit>("edtWidth")->setText(width);
        child<QLineEdit>("edtHeight")->setText(height);
    }

    TempProgramDir program;
    FakeDialogs dialogs;
    AppContext context;
    QWidget mainWindow;
    TopSettingForm editor{context, &mainWindow, {"Example"}};
    TSizeForm sizeForm{context, &mainWindow, editor.model().Rows(ProfileGrid::Video)};
};

TEST_F(SizeFormTest, LaysOutTheDialog)
{
    EXPECT_EQ(sizeForm.objectName(), "SizeForm");
    EXPECT_EQ(sizeForm.windowTitle(), "Video Size of output files");
    EXPECT_EQ(sizeForm.size(), QSize(336, 106));
    EXPECT_EQ(sizeForm.minimumSize(), sizeForm.maximumSize());
    EXPECT_FALSE(mainWindow.isAncestorOf(&sizeForm));
    EXPECT_EQ(child<QLabel>("Label1")->pos(), QPoint(19, 24));
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Width:");
    EXPECT_EQ(child<QLabel>("Label2")->pos(), QPoint(176, 24));
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Height:");
    EXPECT_EQ(child<QLineEdit>("edtWidth")->pos(), QPoint(56, 20));
    EXPECT_EQ(child<QLineEdit>("edtWidth")->width(), 81);
    EXPECT_EQ(child<QLineEdit>("edtHeight")->pos(), QPoint(216, 20));
    EXPECT_EQ(child<QLineEdit>("edtHeight")->width(), 97);
    EXPECT_EQ(child<QPushButton>("btnOK")->geometry(), QRect(160, 64, 75, 25));
    EXPECT_EQ(child<QPushButton>("btnOK")->text(), "&OK");
    EXPECT_EQ(child<QPushButton>("btnCancel")->geometry(), QRect(248, 64, 75, 25));
    EXPECT_EQ(child<QPushButton>("btnCancel")->text(), "&Cancel");
    EXPECT_TRUE(child<QLineEdit>("edtWidth")->text().isEmpty());
}

TEST_F(SizeFormTest, CustomSizeOpensTheDialogWhichDisablesOnlyTheMainWindow)
{
    chooseCustomSize();
    EXPECT_TRUE(sizeForm.isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_TRUE(sizeForm.isEnabled());

    type("640", "480");
    child<QPushButton>("btnOK")->click();
    EXPECT_FALSE(sizeForm.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(videoSize(), "640x480");
    QString switches;
    editor.BuildProfileSwitches(program.path("Profiles/Example.apf"), switches);
    EXPECT_EQ(switches, " -vc cb -size 640x480 -ab 128 -deint ");

    // Asked again, it offers the texts of the last entry.
    chooseCustomSize();
    EXPECT_TRUE(sizeForm.isVisible());
    EXPECT_EQ(child<QLineEdit>("edtWidth")->text(), "640");
    EXPECT_EQ(child<QLineEdit>("edtHeight")->text(), "480");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SizeFormTest, OkTakesWholeNumbersAsTypedAndRefusesAnythingElse)
{
    const struct
    {
        const char* width;
        const char* height;
        const char* shown;   // the row's value after OK; empty when refused
        const char* caption; // the refusal's caption
        const char* focus;
    } cases[] = {
        {"0", "-5", "0x-5", "", ""},
        {" 640", "480", " 640x480", "", ""},
        {"$280", "0x1E0", "$280x0x1E0", "", ""},
        {"640 ", "480", "", "Incorrect Width", "edtWidth"},
        {"", "480", "", "Incorrect Width", "edtWidth"},
        {"640", "", "", "Incorrect Height", "edtHeight"},
        {"wide", "high", "", "Incorrect Width", "edtWidth"},
        {"99999999999", "1", "", "Incorrect Width", "edtWidth"},
    };
    for (const auto& c : cases) {
        dialogs.boxes.clear();
        chooseCustomSize();
        ASSERT_TRUE(sizeForm.isVisible());
        type(c.width, c.height);
        child<QPushButton>("btnOK")->click();
        const std::string label = std::string(c.width) + "|" + c.height;
        if (*c.shown) {
            EXPECT_TRUE(dialogs.boxes.empty()) << label;
            EXPECT_FALSE(sizeForm.isVisible()) << label;
            EXPECT_EQ(videoSize(), QString::fromUtf8(c.shown)) << label;
            continue;
        }
        ASSERT_EQ(dialogs.boxes.size(), 1u) << label;
        const FakeDialogs::Box& box = dialogs.boxes[0];
        EXPECT_EQ(box.kind, FakeDialogs::Kind::Inform) << label;
        EXPECT_EQ(box.owner, &sizeForm) << label;
        EXPECT_EQ(box.caption, c.caption) << label;
        EXPECT_EQ(box.text, QString("Please specify a proper %1 for output videos.")
                                .arg(QString(c.caption).contains("Width") ? "width" : "height"))
            << label;
        EXPECT_EQ(sizeForm.focusWidget(), child<QLineEdit>(c.focus)) << label;
        EXPECT_TRUE(sizeForm.isVisible()) << label;
        EXPECT_FALSE(mainWindow.isEnabled()) << label;
        EXPECT_EQ(videoSize(), "Custom Size") << label;
        child<QPushButton>("btnCancel")->click();
    }
}

TEST_F(SizeFormTest, EveryOtherWayOfClosingRestoresOriginalSizeAndTheMainWindow)
{
    const std::function<void()> ways[] = {
        [this] { child<QPushButton>("btnCancel")->click(); },
        [this] { sizeForm.close(); },
        [this] { QTest::keyClick(&sizeForm, Qt::Key_Escape); },
    };
    for (const auto& close : ways) {
        chooseCustomSize();
        ASSERT_FALSE(mainWindow.isEnabled());
        type("640", "480");
        close();
        EXPECT_FALSE(sizeForm.isVisible());
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_EQ(videoSize(), "Original Size");
    }

    // A row changed meanwhile in the editor keeps its choice.
    chooseCustomSize();
    ASSERT_TRUE(editor.model().ChooseShownText(ProfileGrid::Video, "Video Size", "320x240"));
    sizeForm.close();
    EXPECT_EQ(videoSize(), "320x240");
    EXPECT_TRUE(mainWindow.isEnabled());
}

} // namespace
