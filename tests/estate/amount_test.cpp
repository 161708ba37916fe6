// Amounts read exactly from what users type, and written back with the
// chosen decimals.

#include <gtest/gtest.h>

#include "estate/amount.h"

namespace qismaru::estate {
namespace {

struct Reading {
    const char* text;
    int decimals;
    DigitGrouping grouping;
    const char* minor;  // nullptr when refused
    AmountProblem problem;
};

constexpr DigitGrouping kWindow = DigitGrouping::Accepted;
constexpr DigitGrouping kCalc = DigitGrouping::Refused;
using enum AmountProblem;

const Reading kReadings[] = {
    {"120000.50", 2, kCalc, "12000050", Empty},
    {"120000.5", 2, kCalc, "12000050", Empty},
    {"120000", 2, kCalc, "12000000", Empty},
    {"7", 0, kCalc, "7", Empty},
    {"1.234", 3, kCalc, "1234", Empty},
    {".5", 2, kCalc, "50", Empty},
    {"5.", 2, kCalc, "500", Empty},
    {"  0042 ", 2, kCalc, "4200", Empty},
    {"١٢٠٠٠٠٫٥٠", 2, kCalc, "12000050", Empty},  // Arabic-Indic digits and the Arabic decimal separator
    {"۱۲۳.۴", 2, kCalc, "12340", Empty},         // the extended digits
    {"\u200f١٢٣", 2, kCalc, "12300", Empty},     // a right-to-left mark copied along
    {"1,234,567.89", 2, kWindow, "123456789", Empty},
    {"١٬٢٣٤٬٥٦٧", 0, kWindow, "1234567", Empty},
    {"1 234 567", 0, kWindow, "1234567", Empty},
    {"999999999999999999.999", 3, kCalc, "999999999999999999999", Empty},  // 18 whole digits
    {"1000000000000000", 3, kCalc, "1000000000000000000", Empty},          // 10^15 in thousandths
    {"", 2, kCalc, nullptr, Empty},
    {"   ", 2, kWindow, nullptr, Empty},
    {"-5", 2, kCalc, nullptr, Negative},
    {"\u22125", 2, kCalc, nullptr, Negative},
    {"abc", 2, kCalc, nullptr, NotANumber},
    {"1e5", 2, kCalc, nullptr, NotANumber},
    {"1.2.3", 2, kCalc, nullptr, NotANumber},
    {".", 2, kCalc, nullptr, NotANumber},
    {"+5", 2, kCalc, nullptr, NotANumber},
    {"5\xff", 2, kCalc, nullptr, NotANumber},  // not UTF-8
    // Ill-formed UTF-8 that a lenient decoder reads as digits: ١١, and an overlong 1.
    {"\xd9\x61\xd9\x61", 2, kCalc, nullptr, NotANumber},
    {"\xe0\x80\xb1", 2, kCalc, nullptr, NotANumber},
    {"1.234", 2, kCalc, nullptr, TooManyDecimals},
    {"1.5", 0, kCalc, nullptr, TooManyDecimals},
    {"1.230", 2, kCalc, nullptr, TooManyDecimals},
    {"1000000000000000000", 2, kCalc, nullptr, TooLong},  // 19 whole digits
    {"00000000000000000000000000000000000000000000000000000000000000001", 2, kCalc, nullptr, TooLong},
    {"1,000", 2, kCalc, nullptr, GroupingNotAccepted},
    {"1,5", 2, kWindow, nullptr, BadGrouping},  // a decimal comma, read as grouping, would be 15
    {"1234,567", 2, kWindow, nullptr, BadGrouping},
    {"1,234 567", 2, kWindow, nullptr, BadGrouping},
    {",123", 2, kWindow, nullptr, BadGrouping},
    {"1,234.5,6", 2, kWindow, nullptr, NotANumber},
};

TEST(Amount, ReadsExactlyOrSaysWhyNot)
{
    for (const Reading& r : kReadings) {
        const AmountReading reading = readAmount(r.text, r.decimals, r.grouping);
        if (r.minor) {
            ASSERT_TRUE(reading.ok()) << r.text;
            EXPECT_EQ(decimalText(*reading.minor), r.minor) << r.text;
        } else {
            EXPECT_FALSE(reading.ok()) << r.text;
            EXPECT_EQ(reading.problem, r.problem) << r.text;
        }
    }
}

TEST(Amount, WritesTheChosenDecimalsAndReadsBack)
{
    const struct {
        const char* minor;
        int decimals;
        const char* plain;
        const char* grouped;
    } rows[] = {
        {"12000050", 2, "120000.50", "120,000.50"},
        {"5", 2, "0.05", "0.05"},
        {"-1", 3, "-0.001", "-0.001"},
        {"0", 0, "0", "0"},
        {"1234567", 0, "1234567", "1,234,567"},
        {"999999999999999999999", 3, "999999999999999999.999", "999,999,999,999,999,999.999"},
    };
    for (const auto& row : rows) {
        const std::string_view text = row.minor;
        Minor minor = 0;
        for (const char c : text.substr(text.front() == '-')) minor = minor * 10 + (c - '0');
        if (text.front() == '-') minor = -minor;
        EXPECT_EQ(decimalText(minor), row.minor);
        EXPECT_EQ(amountText(minor, row.decimals), row.plain);
        EXPECT_EQ(amountText(minor, row.decimals, DigitGrouping::Accepted), row.grouped);
        if (minor >= 0) {
            EXPECT_EQ(decimalText(*readAmount(row.grouped, row.decimals, DigitGrouping::Accepted).minor), row.minor);
        }
    }
}

TEST(Amount, CutsDownToTheMinorUnit)
{
    const struct {
        int num;
        int den;
        int cut;
    } rows[] = {{5, 2, 2}, {7, 2, 3}, {10, 3, 3}, {11, 3, 3}, {6, 1, 6}, {1, 7, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(decimalText(cutDown(row.num, row.den)), std::to_string(row.cut)) << row.num << "/" << row.den;
    }
}

}  // namespace
}  // namespace qismaru::estate
