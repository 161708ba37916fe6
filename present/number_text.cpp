#include "present/number_text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include <fmt/format.h>

namespace qismaru {

namespace {

constexpr int kSignificantDigits = 15;

std::string plainDecimalOfPositive(double x)
{
    // "d.dddddddddddddde+XX": the 15 significant digits, correctly rounded.
    char scientific[40];
    char* const written = fmt::format_to(scientific, "{:.{}e}", x, kSignificantDigits - 1);
    *written = '\0';
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

void appendShortestDecimal(std::string& out, double x)
{
    // Most shares of a case are nothing.
    if (x == 0.0 && !std::signbit(x)) {
        out += '0';
        return;
    }
    // fmt writes the shortest digits in a layout of its own: "-0.00012",
    // "123.45", "1e-07", "1.5e+22".
    char text[48];
    char* const end = fmt::format_to(text, "{}", x);
    *end = '\0';
    const char* p = text;
    if (*p == '-') out += *p++;
    // The significant digits, and the power of ten of the first of them.
    char digits[24];
    int count = 0;
    int exponent = -1;
    bool afterPoint = false;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (count == 0 && *p == '0') {
            if (afterPoint) --exponent;
        } else {
            digits[count++] = *p;
            if (!afterPoint) ++exponent;
        }
    }
    if (*p == 'e') exponent += std::atoi(p + 1);
    while (count > 1 && digits[count - 1] == '0') --count;
    if (count == 0) {
        out += '0';
        return;
    }

    const int magnitude = std::abs(exponent);
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    const int plainLength = exponent < 0 ? count + 1 - exponent : count <= exponent + 1 ? exponent + 1 : count + 1;
    if (plainLength > scientificLength) {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out += exponent < 0 ? "e-" : "e+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<std::size_t>(count));
    } else if (count <= exponent + 1) {
        // A whole number is written with all its digits, as the double holds
        // it exactly: past 2^53 they are not the shortest digits padded.
        fmt::format_to(std::back_inserter(out), "{:.0f}", std::fabs(x));
    } else {
        out.append(digits, static_cast<std::size_t>(exponent + 1));
        out += '.';
        out.append(digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
    }
}

}  // namespace qismaru
