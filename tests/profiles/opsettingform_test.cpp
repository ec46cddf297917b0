#include "profiles/opsettingform.h"
#include "qtprinters.h"
#include "sampleprofiles.h"
#include "support/fakedialogs.h"
#include "support/tempprogramdir.h"
#include "widgets/valuelisteditor.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class OpSettingFormTest : public testing::Test
{
protected:
    OpSettingFormTest()
    {
        program.writeFile("Profiles/Example.apf", kWorkedExample);
        program.writeFile("Profiles/Silent.apf", "[Main]\nType=mkv\nPara=1\n0=Codec\n[Codec]\nSort=1\nCaption=x,\n");
        context.AppDir = program.appDir();
        form = std::make_unique<TopSettingForm>(context, &mainWindow, QStringList({"Example", "Silent", "Gone"}));
    }

    template <typename T> T* child(const char* name) const
    {
        auto* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ValueListEditor* grid(const char* name) const { return child<ValueListEditor>(name); }

    // The user picks a profile from the editor's list.
    void choose(int index)
    {
        auto* combo = child<QComboBox>("cmbProfile");
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

    QString path(const char* name) const { return program.path(QStringLiteral("Profiles/%1.apf").arg(name)); }

    TempProgramDir program;
    FakeDialogs dialogs;
    AppContext context;
    QWidget mainWindow;
    std::unique_ptr<TopSettingForm> form;
};

TEST_F(OpSettingFormTest, LaysOutTheWindowWithTheMainWindowsProfileList)
{
    EXPECT_EQ(form->objectName(), "opSettingForm");
    EXPECT_EQ(form->windowTitle(), "Profile");
    EXPECT_EQ(form->size(), QSize(391, 472));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    // Its own window: the size dialog disables the main window and must leave this one usable.
    EXPECT_TRUE(form->isWindow());
    EXPECT_FALSE(mainWindow.isAncestorOf(form.get()));

    const struct
    {
        const char* name;
        QRect geometry;
        const char* text;
    } controls[] = {
        {"btnSaveAs", {298, 4, 75, 25}, "&Save as..."},
        {"Button1", {216, 432, 75, 25}, "&OK"},
        {"Button2", {304, 432, 75, 25}, "&Cancel"},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(child<QPushButton>(c.name)->geometry(), c.geometry) << c.name;
        EXPECT_EQ(child<QPushButton>(c.name)->text(), c.text) << c.name;
    }
    auto* combo = child<QComboBox>("cmbProfile");
    EXPECT_EQ(combo->pos(), QPoint(8, 7));
    EXPECT_EQ(combo->width(), 283);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), "Silent");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(child<QScrollArea>("ScrollBox1")->geometry(), QRect(8, 36, 366, 373));

    // The sections stack from the top: header, grid, header, grid, header, grid.
    form->show();
    int y = 0;
    const char* sections[][4] = {{"panVideo", "      Video", "btnVideo", "vleVideo"},
                                 {"panAudio", "      Audio", "btnAudio", "vleAudio"},
                                 {"panAdvanced", "      Advanced", "btnAdvanced", "vleAdvanced"}};
    for (const auto& section : sections) {
        auto* header = child<QLabel>(section[0]);
        EXPECT_EQ(header->text(), section[1]);
        EXPECT_TRUE(header->font().bold());
        EXPECT_EQ(header->geometry(), QRect(0, y, 362, 18)) << section[0];
        auto* button = child<QPushButton>(section[2]);
        EXPECT_EQ(button->parentWidget(), header);
        EXPECT_EQ(button->geometry(), QRect(5, 3, 12, 12));
        EXPECT_EQ(button->text(), "-");
        ValueListEditor* editor = grid(section[3]);
        EXPECT_EQ(editor->geometry(), QRect(0, y + 18, 362, 18 * editor->Rows()->RowCount())) << section[3];
        EXPECT_EQ(editor->columnWidth(0), 160);
        y += 18 + editor->height();
    }
    EXPECT_EQ(grid("vleVideo")->Rows()->Name(5), "Disable Video");
    EXPECT_EQ(grid("vleAdvanced")->Rows()->Name(1), "Deinterlace");
}

TEST_F(OpSettingFormTest, ChoosingAProfileLoadsItAndFitsTheGrids)
{
    choose(0);
    EXPECT_EQ(form->OutputExt(), ".avi");
    EXPECT_EQ(grid("vleVideo")->Rows()->Value(0), "Codec B");
    EXPECT_EQ(grid("vleVideo")->height(), 2 * 18);
    EXPECT_EQ(grid("vleAudio")->height(), 18);
    EXPECT_EQ(grid("vleAdvanced")->height(), 18);

    choose(1);
    EXPECT_EQ(form->OutputExt(), ".mkv");
    EXPECT_EQ(grid("vleVideo")->height(), 18);
    EXPECT_EQ(grid("vleAudio")->Rows()->RowCount(), 0);
    EXPECT_EQ(grid("vleAudio")->height(), 18);

    // A name without a file loads nothing.
    choose(2);
    EXPECT_EQ(form->OutputExt(), ".mkv");
    EXPECT_EQ(grid("vleVideo")->Rows()->Value(0), "x");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(OpSettingFormTest, SectionButtonsCloseAndOpenTheirGrids)
{
    choose(0);
    auto* button = child<QPushButton>("btnVideo");
    ValueListEditor* video = grid("vleVideo");
    button->click();
    EXPECT_EQ(button->text(), "+");
    EXPECT_EQ(video->height(), 1);
    button->click();
    EXPECT_EQ(button->text(), "-");
    EXPECT_EQ(video->height(), 2 * 18 + 1);

    // An empty grid counts one row; a load fits the heights and leaves the captions alone.
    auto* audioButton = child<QPushButton>("btnAudio");
    audioButton->click();
    audioButton->click();
    EXPECT_EQ(grid("vleAudio")->height(), 18 + 1);
    button->click();
    choose(0);
    EXPECT_EQ(video->height(), 2 * 18);
    EXPECT_EQ(button->text(), "+");
}

TEST_F(OpSettingFormTest, OkStoresACustomSizeAsOriginalSizeAndKeepsItShown)
{
    choose(0);
    form->show();
    ASSERT_TRUE(form->model().ChooseShownText(ProfileGrid::Video, "Video Codec", "Codec A"));
    ASSERT_TRUE(form->model().ChooseShownText(ProfileGrid::Video, "Video Size", "640x480"));
    child<QPushButton>("Button1")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->model().ShownText(ProfileGrid::Video, "Video Size"), "640x480");
    const QByteArray saved = readFile(path("Example"));
    EXPECT_TRUE(saved.contains("Value=ca,cb,\r\nIndex=0\r\n"));
    EXPECT_TRUE(saved.contains("Value=,320x240,,\r\nIndex=0\r\n"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(OpSettingFormTest, ARefusedWriteShowsItsErrorAndOkKeepsTheWindowOpen)
{
    choose(0);
    form->show();
    form->model().ChooseShownText(ProfileGrid::Video, "Video Codec", "Codec A");
    QFile::setPermissions(path("Example"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    child<QPushButton>("Button1")->click();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].owner, form.get());
    EXPECT_EQ(dialogs.boxes[0].text, "Unable to write to " + path("Example"));
    EXPECT_EQ(readFile(path("Example")), kWorkedExample);
}

TEST_F(OpSettingFormTest, CancelDropsUnsavedChangesAndTheCloseBoxKeepsThem)
{
    choose(0);
    form->show();
    form->model().ChooseShownText(ProfileGrid::Audio, "Audio Bitrate", "96");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->model().ShownText(ProfileGrid::Audio, "Audio Bitrate"), "96");

    form->show();
    child<QPushButton>("Button2")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->model().ShownText(ProfileGrid::Audio, "Audio Bitrate"), "128");
    EXPECT_EQ(readFile(path("Example")), kWorkedExample);
}

TEST_F(OpSettingFormTest, SaveAsWritesTheChoicesIntoACopy)
{
    choose(0);
    form->model().ChooseShownText(ProfileGrid::Video, "Video Codec", "Codec A");
    form->model().ChooseShownText(ProfileGrid::Video, "Video Size", "640x480");

    SaveFileDialog::SetNextFileName(std::nullopt);
    child<QPushButton>("btnSaveAs")->click();
    EXPECT_FALSE(QFile::exists(path("Mine")));

    program.writeFile("Profiles/Mine.apf", "to be replaced");
    SaveFileDialog::SetNextFileName(program.path("Profiles/Mine"));
    child<QPushButton>("btnSaveAs")->click();
    const QByteArray copy = readFile(path("Mine"));
    EXPECT_TRUE(copy.startsWith("[Main]\r\nType=avi\r\n"));
    EXPECT_TRUE(copy.contains("Value=ca,cb,\r\nIndex=0\r\n"));
    EXPECT_TRUE(copy.contains("Value=,320x240,,\r\nIndex=0\r\n"));
    // The editor stays on its profile, which keeps its file and its custom size.
    EXPECT_EQ(child<QComboBox>("cmbProfile")->currentIndex(), 0);
    EXPECT_EQ(readFile(path("Example")), kWorkedExample);
    EXPECT_EQ(form->model().ShownText(ProfileGrid::Video, "Video Size"), "640x480");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(OpSettingFormTest, AMalformedProfileShowsItsErrorWithTheRowsBeforeIt)
{
    program.writeFile("Profiles/Silent.apf", "[Main]\nType=ogg\nPara=2\n0=A\n1=B\n[A]\nSort=2\nList=0\nCaption=kept\n"
                                             "[B]\nSort=2\nCaption=Low,High\nIndex=1\n");
    choose(0);
    choose(1);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeDialogs::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].owner, form.get());
    EXPECT_EQ(dialogs.boxes[0].text, "List index out of bounds (1)");
    EXPECT_EQ(form->OutputExt(), ".ogg");
    EXPECT_EQ(grid("vleAudio")->Rows()->RowCount(), 2);
    EXPECT_EQ(grid("vleAudio")->Rows()->Value(0), "kept");
    EXPECT_EQ(grid("vleAudio")->Rows()->Value(1), "");
    // The heights stay those of the profile before.
    EXPECT_EQ(grid("vleVideo")->height(), 2 * 18);
    EXPECT_EQ(grid("vleAudio")->height(), 18);
}

TEST_F(OpSettingFormTest, ChoosingCustomSizeInTheVideoSizeRowAsksForTheSize)
{
    choose(0);
    form->show();
    QSignalSpy asked(form.get(), &TopSettingForm::CustomSizeChosen);
    ValueListEditor* video = grid("vleVideo");
    ValueListRows& rows = *video->Rows();

    // Another row is current: no question.
    video->setCurrentIndex(rows.index(0, 1));
    rows.SetValue(1, "Custom Size");
    EXPECT_EQ(asked.count(), 0);

    video->setCurrentIndex(rows.index(1, 1));
    auto* combo = qobject_cast<QComboBox*>(video->indexWidget(rows.index(1, 1)));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(asked.count(), 0);
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(rows.Value(1), "Custom Size");
}

} // namespace
