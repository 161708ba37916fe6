#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>
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

// The calculator's JSON writes its fractions with fmt's digits, the same in
// the native and the web build; std::to_chars, which only the native
// standard library has for floating point, is the yardstick.
TEST(NumberText, ShortestDecimalAsStdToCharsWritesIt)
{
    std::vector<double> values = {0.0,   -0.0,  0.0001, 1e-05, 100000.0, 123456.0, 1e22, 1e21,  5e-324,
                                  1e300, 2e-25, -1.5,   0.5,   1.0 / 3,  2.0 / 3,  6.0,  100.0, 123456789012345678.0};
    for (int p = 1; p <= 300; ++p) {
        for (int q = 1; q <= 300; ++q) values.push_back(static_cast<double>(p) / q);
    }
    std::mt19937_64 bits(2024);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t pattern = bits();
        double x = 0;
        std::memcpy(&x, &pattern, sizeof x);
        if (std::isfinite(x)) values.push_back(x);
    }
    for (const double x : values) {
        char expected[400];
        std::string shortest;
        appendShortestDecimal(shortest, x);
        EXPECT_EQ(shortest, std::string(expected, std::to_chars(expected, expected + sizeof expected, x).ptr)) << x;
    }
}

}  // namespace
}  // namespace qismaru
