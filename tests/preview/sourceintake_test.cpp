#include "app/opendialog.h"
#include "app/openfilter.h"
#include "app/sourceintake.h"
#include "platform/errors.h"
#include "support/tempprogramdir.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class SourceIntakeTest : public ::testing::Test
{
protected:
    void SetUp() override { folder.makeFolder("in"); }
    void TearDown() override { QDir::setCurrent(m_previousCurrent); }

    QString path(const QString& relative) const { return folder.path(relative); }

    TempProgramDir folder;
    QString m_previousCurrent = QDir::currentPath();
};

TEST_F(SourceIntakeTest, TakesTheFirstArgumentMadeAbsolute)
{
    EXPECT_EQ(CommandLineSource({}), "");
    EXPECT_EQ(CommandLineSource({path("in/Trip.wmv"), path("other.avi")}), path("in/Trip.wmv"));

    QDir::setCurrent(path("in"));
    EXPECT_EQ(CommandLineSource({"Trip.wmv"}), path("in/Trip.wmv"));
    EXPECT_EQ(CommandLineSource({"../in/Trip.wmv"}), path("in/../in/Trip.wmv"));
}

TEST_F(SourceIntakeTest, ListFileGivesItsFirstLineAsItStands)
{
    QDir::setCurrent(path("in"));
    const struct
    {
        const char* content;
        QString expected;
    } cases[] = {
        {"/v/First.wmv\r\n/v/Second.wmv\r\n", "/v/First.wmv"},
        {"/v/First.wmv\n/v/Second.wmv", "/v/First.wmv"},
        {"/v/First.wmv\r/v/Second.wmv", "/v/First.wmv"},
        {"/v/Only.wmv", "/v/Only.wmv"},
        {"/v/List.txt\n", "/v/List.txt"},
        {"\r\n/v/Second.wmv", ""},
        // Nothing is trimmed; a line that is no absolute path is joined to the current folder.
        {" \"/v/Quoted name.wmv\" \n", path("in") + "/ \"/v/Quoted name.wmv\" "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        folder.writeFile("in/List.TMP", c.content);
        EXPECT_EQ(CommandLineSource({path("in/List.TMP")}), c.expected);
    }
    EXPECT_TRUE(QFile::exists(path("in/List.TMP")));
}

TEST_F(SourceIntakeTest, UnreadableOrEmptyListFileIsAnErrorNamingIt)
{
    folder.writeFile("in/Empty.tmp", "");
    folder.makeFolder("in/Folder.tmp");
    for (const QString& list : {path("in/Missing.tmp"), path("in/Empty.tmp"), path("in/Folder.tmp")}) {
        SCOPED_TRACE(list.toStdString());
        try {
            CommandLineSource({list});
            ADD_FAILURE() << "no error";
        } catch (const BrindlecutError& error) {
            EXPECT_TRUE(error.text().contains(list)) << error.text().toStdString();
        }
    }
}

TEST_F(SourceIntakeTest, LoadsOnlyExistingFilesWithASupportedExtension)
{
    const QStringList supported = {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"};
    folder.writeFile("in/Clip.AVI", "x");
    folder.writeFile("in/Clip.Mp4", "x");
    folder.writeFile("in/Notes.txt", "x");
    folder.writeFile("in/noextension", "x");
    folder.makeFolder("in/Movie.avi");
    EXPECT_TRUE(IsLoadableSource(path("in/Clip.AVI"), supported));
    EXPECT_TRUE(IsLoadableSource(path("in/Clip.Mp4"), supported));
    EXPECT_FALSE(IsLoadableSource(path("in/Notes.txt"), supported));
    EXPECT_FALSE(IsLoadableSource(path("in/noextension"), supported));
    EXPECT_FALSE(IsLoadableSource(path("in/Missing.avi"), supported));
    EXPECT_FALSE(IsLoadableSource(path("in/Movie.avi"), supported));
    EXPECT_FALSE(IsLoadableSource("", supported));
}

TEST(OpenDialogFilterTest, NameFiltersKeepTheDescriptionsAndMatchAnyCase)
{
    const QStringList filters = FileDialogNameFilters(BuildOpenDialogFilter({".avi", ".mp4"}));
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(filters[0], "All Support Files(*.avi;*.mp4;) (*.[aA][vV][iI] *.[mM][pP]4)");
    EXPECT_EQ(filters[1], "AVI Files (*.avi) (*.[aA][vV][iI])");
    EXPECT_EQ(filters[3], "All Files (*.*) (*)");

    const auto matches = [](const QString& pattern, const QString& name) {
        return QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch();
    };
    for (const char* name : {"clip.avi", "CLIP.AVI", "Clip.Avi"})
        EXPECT_TRUE(matches("*.[aA][vV][iI]", name)) << name;
    EXPECT_FALSE(matches("*.[aA][vV][iI]", "clip.avi.txt"));
    EXPECT_TRUE(matches("*", "README"));
}

} // namespace
