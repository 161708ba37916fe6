#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qismaru::estate {

// Sums of money are whole numbers of the minor unit (the cent, the fils),
// held exactly in 128 bits. Every amount that can be entered (18 digits and
// 3 decimals) is below 10^21 < 2^70, and the largest product a settlement
// forms, an amount times parts of at most 2^53, stays below 2^123: no sum
// of money is ever rounded, cut or carried in floating point. (The tests
// check the settlements against GMP's rationals.)
__extension__ using Minor = __int128;
__extension__ using UnsignedMinor = unsigned __int128;

// How many decimals the currency has: 0 to 3, 2 unless the user chooses.
inline constexpr int kMinDecimals = 0;
inline constexpr int kMaxDecimals = 3;
inline constexpr int kDefaultDecimals = 2;
// Digits before the decimal separator, leading zeros aside: up to a
// quintillion less one, well past any estate and still a short line.
inline constexpr int kMaxWholeDigits = 18;

// 10^decimals: the minor units in one major unit.
constexpr std::int64_t minorPerMajor(int decimals)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    return scale;
}

// An amount's upper bound, and what the settlement multiplies it by.
inline constexpr Minor kMaxAmount = Minor{1000000000000000000} * minorPerMajor(kMaxDecimals);
inline constexpr std::int64_t kMaxParts = std::int64_t{1} << 53;
static_assert(kMaxAmount * kMaxParts / kMaxParts == kMaxAmount && kMaxAmount * kMaxParts < (Minor{1} << 124),
              "an amount times its parts fits a Minor");

// An exact amount as a fraction n/d in lowest terms, d > 0.
struct Ratio {
    Minor num = 0;
    Minor den = 1;

    bool operator==(const Ratio&) const = default;
};

// n/d in lowest terms, for d > 0 below 2^64 (the corrected base times the
// minor units of a major one).
Ratio ratio(Minor n, std::uint64_t d);
// q divided by a count of heads, in lowest terms; q in lowest terms.
Ratio dividedByHeads(const Ratio& q, int heads);

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

enum class DigitGrouping { Refused, Accepted };

struct AmountReading {
    std::optional<Minor> minor;
    AmountProblem problem = AmountProblem::Empty;

    bool ok() const { return minor.has_value(); }
};

// Reads a decimal amount exactly: ASCII or Arabic-Indic digits, "." or "٫"
// before the decimals, blanks at either end. With DigitGrouping::Accepted the
// whole part may be grouped in threes by ",", "٬" or a blank.
AmountReading readAmount(std::string_view utf8, int decimals, DigitGrouping grouping);

// An amount as decimal text with exactly `decimals` decimals, "." before
// them: "120000.50", "-0.01". Grouped in threes by "," when asked, for the
// eye; never grouped in JSON and files.
std::string amountText(Minor minor, int decimals, DigitGrouping grouping = DigitGrouping::Refused);
// The same at the end of `out`, for writers that put many amounts in one text.
void appendAmount(std::string& out, Minor minor, int decimals, DigitGrouping grouping = DigitGrouping::Refused);

// A whole number in plain decimal: "-12000050".
std::string decimalText(Minor n);

// An exact amount of the major unit in lowest terms: "1100000/3", or "250" when whole.
std::string exactText(const Ratio& major);
void appendExact(std::string& out, const Ratio& major);

// An heir's amount, n ÷ d (n ≥ 0, d > 0), cut down to a whole minor unit:
// no heir is ever handed a unit the estate does not hold, and what the net
// keeps beyond the amounts is the rounding difference, never negative.
constexpr Minor cutDown(Minor n, Minor d) { return n / d; }

inline Minor absolute(Minor n) { return n < 0 ? -n : n; }

}  // namespace qismaru::estate
