#include "present/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qismaru {

namespace {

constexpr int kSignificantDigits = 15;

std::string plainDecimalOfPositive(double x)
{
    // "d.dddddddddddddde+XX": the 15 significant digits, correctly rounded
    // (halves to the even digit). printf rather than std::to_chars, which the
    // standard library of the web build lacks for floating point: both round
    // the exact binary value alike, and one path keeps the desktop, the
    // calculator and the web page byte-identical. The decimal point follows
    // the program's C locale, which the desktop program takes from the user,
    // so the digits are picked out around it whatever it is.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, x);
    std::string digits;
    const char* exponentMark = scientific;
    for (; *exponentMark != 'e'; ++exponentMark) {
        if (*exponentMark >= '0' && *exponentMark <= '9') digits += *exponentMark;
    }
    const int exponent = std::atoi(exponentMark + 1);
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
