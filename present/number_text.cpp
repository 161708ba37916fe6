#include "present/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qismaru {

namespace {

constexpr int kSignificantDigits = 15;

std::string plainDecimalOfPositive(double x)
{
    // "d.dddddddddddddde+XX": the 15 significant digits, correctly rounded.
    char scientific[40];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, x, std::chars_format::scientific,
                                       kSignificantDigits - 1);
    *written.ptr = '\0';
    std::string digits;
    digits += scientific[0];
    digits.append(scientific + 2, kSignificantDigits - 1);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

}  // namespace

std::string plainDecimal(double x)
{
    if (x == 0.0 || !std::isfinite(x)) return "0";
    if (x > 0.0) return plainDecimalOfPositive(x);
    std::string text = "-";
    text += plainDecimalOfPositive(-x);
    return text;
}

std::string numberText(double x)
{
    const std::string text = plainDecimal(x);
    // A negative number's sign takes the place of the leading blank.
    return (text.front() == '-' ? text : " " + text) + " ";
}

// Whole numbers are written with all their digits: a corrected base may pass
// 15 digits, and every part of it must show as it is.
std::string numberText(std::int64_t n)
{
    std::string text = n < 0 ? "" : " ";
    text += std::to_string(n);
    text += ' ';
    return text;
}

std::string fractionText(int numerator, int denominator)
{
    return numberText(std::int64_t{numerator}) + "/" + numberText(std::int64_t{denominator});
}

std::string percentageText(double percentage)
{
    std::string text = "%";
    text += plainDecimal(percentage).substr(0, 5);
    return text;
}

}  // namespace qismaru
