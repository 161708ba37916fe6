#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace qismaru::estate {

// Sums of money are whole numbers of the minor unit (the cent, the fils),
// held exactly: an estate of 10^15 major units in thousandths is 10^18 minor
// units, and its amounts are multiplied by parts of up to 2^53.
using Minor = mpz_class;

// How many decimals the currency has: 0 to 3, 2 unless the user chooses.
inline constexpr int kMinDecimals = 0;
inline constexpr int kMaxDecimals = 3;
inline constexpr int kDefaultDecimals = 2;
// Digits before the decimal separator, leading zeros aside: up to a
// quintillion less one, well past any estate and still a short line.
inline constexpr int kMaxWholeDigits = 18;

// Why a text is not an amount.
enum class AmountProblem {
    Empty,
    Negative,
    NotANumber,
    TooManyDecimals,
    TooLong,
    // Digit grouping where none is accepted (the calculator, a file), or
    // groups that are not of three digits ("1,5" may mean one and a half).
    GroupingNotAccepted,
    BadGrouping,
};

enum class Grouping { Refused, Accepted };

struct AmountReading {
    std::optional<Minor> minor;
    AmountProblem problem = AmountProblem::Empty;

    bool ok() const { return minor.has_value(); }
};

// Reads a decimal amount exactly: ASCII or Arabic-Indic digits, "." or "٫"
// before the decimals, blanks at either end. With Grouping::Accepted the
// whole part may be grouped in threes by ",", "٬" or a blank.
AmountReading readAmount(std::string_view utf8, int decimals, Grouping grouping);

// An amount as decimal text with exactly `decimals` decimals, "." before
// them: "120000.50", "-0.01". Grouped in threes by "," when asked, for the
// eye; never grouped in JSON and files.
std::string amountText(const Minor& minor, int decimals, Grouping grouping = Grouping::Refused);

// 10^decimals: the minor units in one major unit.
Minor minorPerMajor(int decimals);

// An exact amount of the major unit in lowest terms: "1100000/3", or "250" when whole.
std::string exactText(const mpq_class& major);

// q rounded to the nearest whole number, halves to the even one.
Minor roundedHalfEven(const mpq_class& q);

}  // namespace qismaru::estate
