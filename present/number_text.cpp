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

// The significant digits of a number as fmt writes it shortest ("-0.00012",
// "123.45", "1e-07", "1.5e+22"), without the sign, and the power of ten of
// the first of them.
struct SignificantDigits {
    char digits[24];
    int count = 0;
    int exponent = -1;
};

SignificantDigits significantDigits(const char* p)
{
    SignificantDigits d;
    bool afterPoint = false;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (d.count == 0 && *p == '0') {
            if (afterPoint) --d.exponent;
        } else {
            d.digits[d.count++] = *p;
            if (!afterPoint) ++d.exponent;
        }
    }
    if (*p == 'e') d.exponent += std::atoi(p + 1);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// "1.5e+22", "1e-07": the exponent with two digits at least.
void appendScientific(std::string& out, const SignificantDigits& d)
{
    out += d.digits[0];
    if (d.count > 1) {
        out += '.';
        out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
    }
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
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
    char text[48];
    char* const end = fmt::format_to(text, "{}", x);
    *end = '\0';
    const char* p = text;
    if (*p == '-') out += *p++;
    const SignificantDigits d = significantDigits(p);
    if (d.count == 0) {
        out += '0';
        return;
    }
    // The layout of fewer characters: plain, or with an exponent.
    const int magnitude = std::abs(d.exponent);
    const int scientificLength = d.count + (d.count > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    const int plainLength = d.exponent < 0              ? d.count + 1 - d.exponent
                            : d.count <= d.exponent + 1 ? d.exponent + 1
                                                        : d.count + 1;
    if (plainLength > scientificLength) {
        appendScientific(out, d);
    } else if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digits, static_cast<std::size_t>(d.count));
    } else if (d.count <= d.exponent + 1) {
        // A whole number is written with all its digits, as the double holds
        // it exactly: past 2^53 they are not the shortest digits padded.
        fmt::format_to(std::back_inserter(out), "{:.0f}", std::fabs(x));
    } else {
        out.append(d.digits, static_cast<std::size_t>(d.exponent + 1));
        out += '.';
        out.append(d.digits + d.exponent + 1, static_cast<std::size_t>(d.count - d.exponent - 1));
    }
}

}  // namespace qismaru
