#pragma once

#include <cstdint>
#include <optional>

#include "engine/fraction.h"

namespace qismaru {

// Fractions of one estate taken from several cases, whose corrected bases
// differ: a sum's denominator is a common multiple of theirs and can pass 64
// bits where no single case does. These form the result in 128 bits and give
// nothing when it does not fit back into a Fraction, so that a figure is
// exact or refused, never wrapped round.

namespace detail {

inline Wide wideGcd(Wide a, Wide b)
{
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

inline std::optional<Fraction> narrowed(Wide n, Wide d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    constexpr Wide kMost = INT64_MAX;
    // The common case: both already fit, and Euclid runs in 64 bits.
    if (d <= kMost && n <= kMost && n >= -kMost)
        return reduced(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d));
    const Wide g = wideGcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    if (d > kMost || n > kMost || n < -kMost) return std::nullopt;
    return Fraction{static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

}  // namespace detail

inline std::optional<Fraction> checkedSum(Fraction a, Fraction b)
{
    if (a.num == 0) return b;
    if (b.num == 0) return a;
    if (a.den == b.den) return detail::narrowed(Wide{a.num} + b.num, a.den);
    const std::int64_t g = std::gcd(a.den, b.den);
    const Wide den = Wide{a.den} / g * b.den;
    return detail::narrowed(Wide{a.num} * (b.den / g) + Wide{b.num} * (a.den / g), den);
}

inline std::optional<Fraction> checkedDifference(Fraction a, Fraction b) { return checkedSum(a, {-b.num, b.den}); }

inline std::optional<Fraction> checkedProduct(Fraction a, Fraction b)
{
    if (a.num == 0 || b.num == 0) return Fraction{};
    if (b == Fraction::whole(1)) return a;
    if (a == Fraction::whole(1)) return b;
    return detail::narrowed(Wide{a.num} * b.num, Wide{a.den} * b.den);
}

}  // namespace qismaru
