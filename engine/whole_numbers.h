#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qismaru {

// The largest whole number that every double between 0 and it represents
// exactly. A corrected base above it cannot be shown to the last part.
inline constexpr std::int64_t kMaxExactWhole = std::int64_t{1} << 53;
// What the integer steps below give instead of a result beyond kMaxExactWhole.
inline constexpr std::int64_t kBeyondExact = kMaxExactWhole + 1;

// A part or total: the double rounded to the nearest whole number, halves to
// the even neighbour. Callers keep |x| within kMaxExactWhole.
inline std::int64_t whole(double x) { return static_cast<std::int64_t>(std::nearbyint(x)); }

// What one step of Euclid found between two numbers: the larger divided by
// the smaller, and its remainder tested against both.
enum class Relation : std::uint8_t {
    Equal,          // the same number
    Divides,        // the smaller divides the larger
    CommonFactor,   // the remainder divides both: it is their greatest common factor
    NoFactorFound,  // the remainder is 1, or divides not both: the numbers are taken whole
};

struct CommonMultiple {
    std::int64_t value;
    Relation relation;
    std::int64_t remainder;  // of the larger divided by the smaller
};

namespace detail {

inline std::int64_t boundedProduct(std::int64_t a, std::int64_t b)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product) || product > kMaxExactWhole) return kBeyondExact;
    return product;
}

inline bool dividesBoth(std::int64_t r, std::int64_t a, std::int64_t b) { return a % r == 0 && b % r == 0; }

}  // namespace detail

// One step of Euclid towards a common multiple of two positive numbers: exact
// for the share denominators, not always the least multiple for head counts
// (21 and 15 give 315). A result beyond kMaxExactWhole is kBeyondExact.
inline CommonMultiple commonMultipleStepOf(std::int64_t a, std::int64_t b)
{
    const std::int64_t hi = std::max(a, b);
    const std::int64_t lo = std::min(a, b);
    if (hi > kMaxExactWhole) return {kBeyondExact, Relation::NoFactorFound, 0};
    const std::int64_t r = hi % lo;
    if (r == 0) return {hi, hi == lo ? Relation::Equal : Relation::Divides, 0};
    if (r != 1 && detail::dividesBoth(r, hi, lo)) {
        return {detail::boundedProduct(hi / r, lo), Relation::CommonFactor, r};
    }
    return {detail::boundedProduct(hi, lo), Relation::NoFactorFound, r};
}

// The multiple alone, out of line: the base of every computation is formed
// with it in a loop that stays small.
std::int64_t commonMultipleStep(std::int64_t a, std::int64_t b);

// How a group's parts stand to its heads, as the factors below decide it.
enum class HeadsRelation : std::uint8_t {
    NoParts,        // nothing to divide
    PartsDivide,    // the parts divide among the heads (for a pair: or parts equal heads)
    HeadsMultiple,  // the heads are a multiple of the parts: heads ÷ parts
    CommonFactor,   // the remainder divides both: heads ÷ remainder
    AllHeads,       // no factor found in one step: the heads whole
};

struct HeadFactor {
    std::int64_t factor;
    HeadsRelation relation;
    std::int64_t remainder;  // of the larger divided by the smaller, where it was taken
};

// What the base must be multiplied by so that p parts divide among n heads,
// for p not a multiple of n (28 parts and 6 heads give 6).
inline HeadFactor headFactorOf(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0) return {1, HeadsRelation::NoParts, 0};  // nothing to divide
    if (heads % parts == 0) return {heads / parts, HeadsRelation::HeadsMultiple, 0};
    const std::int64_t r = heads <= parts ? parts % heads : heads % parts;
    if (r != 1 && detail::dividesBoth(r, parts, heads)) return {heads / r, HeadsRelation::CommonFactor, r};
    return {heads, HeadsRelation::AllHeads, r};
}
inline std::int64_t headFactor(std::int64_t parts, std::int64_t heads) { return headFactorOf(parts, heads).factor; }

// The same for a 2:1 pair of residuaries, where n counts each male twice.
inline HeadFactor pairHeadFactorOf(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0) return {1, HeadsRelation::NoParts, 0};
    if (parts == heads) return {1, HeadsRelation::PartsDivide, 0};
    if (heads % parts == 0) return {heads / parts, HeadsRelation::HeadsMultiple, 0};
    if (parts % heads == 0) return {1, HeadsRelation::PartsDivide, 0};
    return headFactorOf(parts, heads);
}
inline std::int64_t pairHeadFactor(std::int64_t parts, std::int64_t heads)
{
    return pairHeadFactorOf(parts, heads).factor;
}

}  // namespace qismaru
