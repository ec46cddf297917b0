#include "fakefolderdialog.h"
#include "prefs/browseforfolder.h"
#include "support/tempprogramdir.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(BrowseForFolder, DropsAMissingInitialFolderAndReportsOnlyAChoice)
{
    const TempProgramDir program;
    program.makeFolder("existing");
    const QString existing = program.path("existing");
    const QString missing = program.path("missing");

    const struct
    {
        QString entry;
        std::optional<QString> answer;
        QString preselected;
        bool result;
        QString folder;
    } cases[] = {
        {QString(), std::nullopt, QString(), false, QString()},
        {existing, std::nullopt, existing, false, existing},
        {missing, std::nullopt, QString(), false, QString()},
        {missing, QStringLiteral("/chosen"), QString(), true, QStringLiteral("/chosen")},
        {existing, QStringLiteral("/"), existing, true, QStringLiteral("/")},
    };
    QWidget owner;
    for (const auto& c : cases) {
        FakeFolderDialog dialog;
        dialog.answers.push_back(c.answer);
        QString folder = c.entry;
        EXPECT_EQ(BrowseForFolder(&owner, "Title", "/root", folder), c.result) << c.entry.toStdString();
        EXPECT_EQ(folder, c.folder) << c.entry.toStdString();
        ASSERT_EQ(dialog.requests.size(), 1u);
        EXPECT_EQ(dialog.requests[0].owner, &owner);
        EXPECT_EQ(dialog.requests[0].title, "Title");
        EXPECT_EQ(dialog.requests[0].root, "/root");
        EXPECT_EQ(dialog.requests[0].initialFolder, c.preselected) << c.entry.toStdString();
    }
}

TEST(BrowseForFolder, OutputFolderEndsWithTheSeparatorAndCancelGivesNothing)
{
    const struct
    {
        std::optional<QString> answer;
        std::optional<QString> folder;
    } cases[] = {
        {QStringLiteral("/videos/out"), QStringLiteral("/videos/out/")},
        {QStringLiteral("/"), QStringLiteral("/")},
        {std::nullopt, std::nullopt},
    };
    QWidget owner;
    for (const auto& c : cases) {
        FakeFolderDialog dialog;
        dialog.answers.push_back(c.answer);
        EXPECT_EQ(ChooseOutputFolder(&owner), c.folder);
        ASSERT_EQ(dialog.requests.size(), 1u);
        EXPECT_EQ(dialog.requests[0].title, "Select the output directory.");
        EXPECT_EQ(dialog.requests[0].root, "");
        EXPECT_EQ(dialog.requests[0].initialFolder, "");
    }
}
