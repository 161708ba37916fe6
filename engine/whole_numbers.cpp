#include "engine/whole_numbers.h"

#include <algorithm>

namespace qismaru {

namespace {

std::int64_t boundedProduct(std::int64_t a, std::int64_t b)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product) || product > kMaxExactWhole) return kBeyondExact;
    return product;
}

bool dividesBoth(std::int64_t r, std::int64_t a, std::int64_t b) { return a % r == 0 && b % r == 0; }

}  // namespace

std::int64_t commonMultipleStep(std::int64_t a, std::int64_t b)
{
    const std::int64_t hi = std::max(a, b);
    const std::int64_t lo = std::min(a, b);
    if (hi > kMaxExactWhole) return kBeyondExact;
    if (hi % lo == 0) return hi;
    const std::int64_t r = hi % lo;
    if (r != 1 && dividesBoth(r, hi, lo)) return boundedProduct(hi / r, lo);
    return boundedProduct(hi, lo);
}

std::int64_t headFactor(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0) return 1;  // nothing to divide
    if (heads % parts == 0) return heads / parts;
    const std::int64_t r = heads <= parts ? parts % heads : heads % parts;
    if (r != 1 && dividesBoth(r, parts, heads)) return heads / r;
    return heads;
}

std::int64_t pairHeadFactor(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0 || parts == heads) return 1;
    if (heads % parts == 0) return heads / parts;
    if (parts % heads == 0) return 1;
    return headFactor(parts, heads);
}

}  // namespace qismaru
