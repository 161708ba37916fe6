#pragma once

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

// One step of Euclid towards a common multiple of two positive numbers: exact
// for the share denominators, not always the least multiple for head counts
// (21 and 15 give 315). A result beyond kMaxExactWhole is kBeyondExact.
std::int64_t commonMultipleStep(std::int64_t a, std::int64_t b);

// What the base must be multiplied by so that p parts divide among n heads,
// for p not a multiple of n (28 parts and 6 heads give 6).
std::int64_t headFactor(std::int64_t parts, std::int64_t heads);

// The same for a 2:1 pair of residuaries, where n counts each male twice.
std::int64_t pairHeadFactor(std::int64_t parts, std::int64_t heads);

}  // namespace qismaru
