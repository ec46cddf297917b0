#include "platform/numbers.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct IntegerCase
{
    const char* text;
    std::optional<std::int32_t> expected;
};

TEST(ParseIntegerTest, FollowsTheIntegerRule)
{
    const IntegerCase cases[] = {
        {"0", 0},
        {"00012", 12},
        {"   42", 42},
        {"+7", 7},
        {"-7", -7},
        {"  -13", -13},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"+0xff", 255},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
        {"-$80000000", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"12 ", std::nullopt},
        {" + ", std::nullopt},
        {"+ 1", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$G", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"0x-1", std::nullopt},
        {"\t1", std::nullopt},
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInteger(QString::fromLatin1(c.text)), c.expected);
    }
}

struct DecimalCase
{
    const char* text;
    char separator;
    std::optional<double> expected;
};

TEST(ParseDecimalTest, ReadsTypedSeconds)
{
    const DecimalCase cases[] = {
        {"12", '.', 12.0},          {"2.5", '.', 2.5},          {"2,5", ',', 2.5},         {"2,5", '.', std::nullopt},
        {"2.5", ',', std::nullopt}, {"  -1.25", '.', -1.25},    {"+3", '.', 3.0},          {".5", '.', 0.5},
        {"5.", '.', 5.0},           {"1e3", '.', 1000.0},       {"1.5E-2", '.', 0.015},    {"2,5e+1", ',', 25.0},
        {"1e", '.', std::nullopt},  {"1e+", '.', std::nullopt}, {"7.5   ", '.', 7.5},      {"-", '.', std::nullopt},
        {"+", '.', std::nullopt},   {"", '.', std::nullopt},    {"e5", '.', std::nullopt}, {"1.2.3", '.', std::nullopt},
        {"1 2", '.', std::nullopt}, {"abc", '.', std::nullopt},
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" with '" << c.separator << '\'');
        const std::optional<double> value = ParseDecimal(QString::fromLatin1(c.text), QLatin1Char(c.separator));
        ASSERT_EQ(value.has_value(), c.expected.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.expected);
        }
    }
}

TEST(RoundHalfEvenTest, TiesGoToTheEvenNeighbour)
{
    const struct
    {
        double value;
        std::int64_t expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {62.5, 62}, {82.5, 82}, {2.4, 2}, {2.6, 3}, {-2.6, -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.expected);
    }
}

TEST(FormatGeneralTest, WritesFifteenSignificantDigitsAtMost)
{
    const struct
    {
        double value;
        char separator;
        const char* expected;
    } cases[] = {
        {10.0 / 3.0, '.', "3.33333333333333"},
        {1.0 / 3.0, '.', "0.333333333333333"},
        {7.75, '.', "7.75"},
        {12.0, '.', "12"},
        {0.0, '.', "0"},
        {-2.5, '.', "-2.5"},
        {7.75, ',', "7,75"},
        {10.0 / 3.0, ',', "3,33333333333333"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatGeneral(c.value, QLatin1Char(c.separator)), QString::fromLatin1(c.expected));
    }
}

TEST(LocaleDecimalSeparatorTest, OverrideWinsUntilCleared)
{
    const QChar system = LocaleDecimalSeparator();
    OverrideLocaleDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(LocaleDecimalSeparator(), QLatin1Char(','));
    OverrideLocaleDecimalSeparator(std::nullopt);
    EXPECT_EQ(LocaleDecimalSeparator(), system);
}

} // namespace
