#pragma once

#include <cstdint>
#include <string>

namespace qismaru {

// A number in plain decimal notation with at most 15 significant digits,
// trailing zeros and a trailing decimal point dropped: 7/3 is
// "2.33333333333333", 99.99999999999999 is "100". Never an exponent.
std::string plainDecimal(double x);

// The shortest decimal text that reads back as the same double, at the end
// of `out`, laid out as std::to_chars lays it out: plain or with an exponent
// ("1e-05", "1.5e+22"), whichever is shorter, plain on a tie, a whole number
// with all its digits. The calculator's JSON writes its fractions so.
void appendShortestDecimal(std::string& out, double x);

// A number as an item of the table: a blank in the place of the sign, the
// number, one blank (" 3 "). Whole numbers keep all their digits.
std::string numberText(double x);
std::string numberText(std::int64_t n);

// A fixed fraction: " 1 / 6 ".
std::string fractionText(int numerator, int denominator);

// "%" and the first five characters of the percentage, cut and not rounded:
// 100/6 is "%16.66", 50 is "%50".
std::string percentageText(double percentage);

}  // namespace qismaru
