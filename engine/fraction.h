#pragma once

#include <cstdint>
#include <numeric>
#include <string>

namespace qismaru {

// An exact share of the estate, n/d in lowest terms with d > 0. The rules
// decide on doubles, as the classical tables were computed; beside every
// double the engine keeps the fraction it stands for, so that the parts it
// shows are exact however large the corrected base grows. Numerators and
// denominators stay small: the largest denominator is 24 times the heads of
// a 2:1 pair, well inside 64 bits, and products are formed in 128 bits.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;

    static Fraction of(std::int64_t n, std::int64_t d)
    {
        const std::int64_t g = std::gcd(n, d);
        if (g == 0) return {};
        if (d < 0) return {-n / g, -d / g};
        return {n / g, d / g};
    }
    static Fraction whole(std::int64_t n) { return {n, 1}; }

    bool isZero() const { return num == 0; }
    bool operator==(const Fraction&) const = default;

    // "n/d", or "n" when the fraction is whole.
    std::string text() const
    {
        return den == 1 ? std::to_string(num) : std::to_string(num) + "/" + std::to_string(den);
    }
};

__extension__ using Wide = __int128;

// n/d in lowest terms for d > 0. The engine's fractions stay far inside 64
// bits (denominators below 2^23), so the 64-bit path is the common one.
inline Fraction reduced(std::int64_t n, std::int64_t d)
{
    const std::int64_t g = std::gcd(n, d);
    if (g == 0) return {};
    return {n / g, d / g};
}

inline Fraction operator+(Fraction a, Fraction b)
{
    if (a.num == 0) return b;
    if (b.num == 0) return a;
    if (a.den == b.den) return reduced(a.num + b.num, a.den);
    return reduced(a.num * b.den + b.num * a.den, a.den * b.den);
}

inline Fraction operator-(Fraction a, Fraction b) { return a + Fraction{-b.num, b.den}; }

inline Fraction operator*(Fraction a, Fraction b)
{
    if (a.num == 0 || b.num == 0) return {};
    if (a.den == 1 && a.num == 1) return b;
    if (b.den == 1 && b.num == 1) return a;
    // Cross-reduce first, so that the products stay as small as the result.
    const std::int64_t g1 = std::gcd(a.num, b.den);
    const std::int64_t g2 = std::gcd(b.num, a.den);
    const std::int64_t n1 = g1 ? a.num / g1 : 0;
    const std::int64_t d2 = g1 ? b.den / g1 : b.den;
    const std::int64_t n2 = g2 ? b.num / g2 : 0;
    const std::int64_t d1 = g2 ? a.den / g2 : a.den;
    return {n1 * n2, d1 * d2};
}

inline Fraction operator/(Fraction a, Fraction b)
{
    return b.num < 0 ? a * Fraction{-b.den, -b.num} : a * Fraction{b.den, b.num};
}

inline bool operator<(Fraction a, Fraction b) { return Wide{a.num} * b.den < Wide{b.num} * a.den; }

}  // namespace qismaru
