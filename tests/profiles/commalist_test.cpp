#include "profiles/commalist.h"

#include <gtest/gtest.h>

TEST(SplitCommaList, KeepsEveryItemThatEndsWithAComma)
{
    const struct
    {
        const char* text;
        QStringList items;
    } cases[] = {
        {"a,b,c,", {"a", "b", "c"}}, {"a,b,c", {"a", "b"}},  {"a", {}},        {"", {}},
        {",x,", {"", "x"}},          {"a, b,", {"a", " b"}}, {",,", {"", ""}}, {"Low,High", {"Low"}},
        {" a ,", {" a "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommaList(QString::fromUtf8(c.text)), c.items) << c.text;
}

TEST(FindCaption, MatchesWithoutRegardToCaseAndTakesTheFirst)
{
    const QStringList captions = {"Codec A", "Codec B", "codec b", ""};
    EXPECT_EQ(FindCaption(captions, "codec b"), 1);
    EXPECT_EQ(FindCaption(captions, "CODEC A"), 0);
    EXPECT_EQ(FindCaption(captions, ""), 3);
    EXPECT_EQ(FindCaption(captions, "Codec"), std::nullopt);
    EXPECT_EQ(FindCaption({}, ""), std::nullopt);
}
