#include <gtest/gtest.h>

#include <tuple>

#include "present/number_text.h"

namespace qismaru {
namespace {

TEST(NumberText, PlainDecimalWithFifteenSignificantDigits)
{
    const std::tuple<double, const char*> cases[] = {
        {7.0 / 3, "2.33333333333333"},
        {99.99999999999999, "100"},  // rounds up at the fifteenth digit
        {100.0 / 6, "16.6666666666667"},
        {12.5, "12.5"},
        {6.0, "6"},
        {0.5, "0.5"},
        {0.0000001, "0.0000001"},  // never an exponent
        {1e16, "10000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {100000000000000.5, "100000000000000"},  // a tie at the sixteenth digit: to the even one
        {100000000000001.5, "100000000000002"},
        {-2.5, "-2.5"},
        {0.0, "0"},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(plainDecimal(x), expected) << x;
}

TEST(NumberText, ItemsHaveABlankForTheSignAndOneAfter)
{
    EXPECT_EQ(numberText(7.0 / 3), " 2.33333333333333 ");
    EXPECT_EQ(numberText(std::int64_t{3}), " 3 ");
    EXPECT_EQ(numberText(-4.0), "-4 ");
    // Whole numbers keep every digit, past the fifteen of a double's text.
    EXPECT_EQ(numberText(std::int64_t{9007199254740992}), " 9007199254740992 ");
    EXPECT_EQ(fractionText(1, 6), " 1 / 6 ");
    EXPECT_EQ(fractionText(2, 3), " 2 / 3 ");
}

TEST(NumberText, PercentagesAreCutToFiveCharacters)
{
    const std::tuple<double, const char*> cases[] = {
        {100.0 / 6, "%16.66"},  // cut, not rounded to 16.67
        {100.0 / 3, "%33.33"},
        {12.5, "%12.5"},
        {50.0, "%50"},
        {100.0 / 12, "%8.333"},
        {99.99999999999999, "%100"},
        {100.0 * 2 / 3 * (24.0 / 27), "%59.25"},
    };
    for (const auto& [p, expected] : cases) EXPECT_EQ(percentageText(p), expected) << p;
}

}  // namespace
}  // namespace qismaru
