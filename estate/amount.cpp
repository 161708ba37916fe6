// Sums of money as text, and their exact shares as fractions in lowest terms.
#include "estate/amount.h"

#include <array>

namespace qismaru::estate {

namespace {

// The decimal digits of n > 0 (none for 0), written backwards into the end
// of `buffer`; returns where they begin. Nineteen digits at a time, so that
// the 128-bit divisions are few.
template <std::size_t N>
char* digitsBackwards(UnsignedMinor n, std::array<char, N>& buffer)
{
    constexpr std::uint64_t kChunk = 10000000000000000000ULL;  // 10^19
    char* p = buffer.data() + N;
    while (n > 0) {
        std::uint64_t chunk = static_cast<std::uint64_t>(n % kChunk);
        n /= kChunk;
        for (int i = 0; i < 19 && (chunk > 0 || n > 0); ++i) {
            *--p = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    }
    return p;
}

// n's digits as text, with a '-' first when n < 0, and "0" for 0.
struct Digits {
    std::array<char, 48> buffer;  // 2^127 has 39 digits
    std::string_view text;

    explicit Digits(Minor n)
    {
        const auto magnitude = n < 0 ? -static_cast<UnsignedMinor>(n) : static_cast<UnsignedMinor>(n);
        char* first = digitsBackwards(magnitude, buffer);
        if (first == buffer.data() + buffer.size()) *--first = '0';
        if (n < 0) *--first = '-';
        text = std::string_view(first, static_cast<std::size_t>(buffer.data() + buffer.size() - first));
    }
};

std::uint64_t gcd64(std::uint64_t a, std::uint64_t b)
{
    while (b != 0) {
        a %= b;
        std::swap(a, b);
    }
    return a;
}

// gcd(n, d) for a d that fits 64 bits: one 128-bit remainder, then 64-bit steps.
std::uint64_t gcdWith(Minor n, std::uint64_t d)
{
    const auto magnitude = n < 0 ? -static_cast<UnsignedMinor>(n) : static_cast<UnsignedMinor>(n);
    return gcd64(d, static_cast<std::uint64_t>(magnitude % d));
}

}  // namespace

void appendAmount(std::string& out, Minor minor, int decimals, DigitGrouping grouping)
{
    const Digits all(minor);
    std::string_view digits = all.text;
    if (digits.front() == '-') {
        out += '-';
        digits.remove_prefix(1);
    }
    const auto places = static_cast<std::size_t>(decimals);
    const std::size_t wholeLength = digits.size() > places ? digits.size() - places : 0;
    if (wholeLength == 0) out += '0';
    for (std::size_t i = 0; i < wholeLength; ++i) {
        if (grouping == DigitGrouping::Accepted && i > 0 && (wholeLength - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    if (decimals == 0) return;
    out += '.';
    if (digits.size() < places) out.append(places - digits.size(), '0');
    out += digits.substr(wholeLength);
}

std::string amountText(Minor minor, int decimals, DigitGrouping grouping)
{
    std::string text;
    appendAmount(text, minor, decimals, grouping);
    return text;
}

std::string decimalText(Minor n) { return std::string(Digits(n).text); }

void appendExact(std::string& out, const Ratio& major)
{
    out += Digits(major.num).text;
    if (major.den == 1) return;
    out += '/';
    out += Digits(major.den).text;
}

std::string exactText(const Ratio& major)
{
    std::string text;
    appendExact(text, major);
    return text;
}

Ratio ratio(Minor n, std::uint64_t d)
{
    const std::uint64_t g = gcdWith(n, d);
    return {n / g, static_cast<Minor>(d / g)};
}

// With n/d in lowest terms, gcd(n, d × heads) = gcd(n, heads).
Ratio dividedByHeads(const Ratio& q, int heads)
{
    const std::uint64_t g = gcdWith(q.num, static_cast<std::uint64_t>(heads));
    return {q.num / g, q.den * (heads / static_cast<Minor>(g))};
}

}  // namespace qismaru::estate
