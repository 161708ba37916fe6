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

CommonMultiple commonMultipleStepOf(std::int64_t a, std::int64_t b)
{
    const std::int64_t hi = std::max(a, b);
    const std::int64_t lo = std::min(a, b);
    if (hi > kMaxExactWhole) return {kBeyondExact, Relation::NoFactorFound, 0};
    const std::int64_t r = hi % lo;
    if (r == 0) return {hi, hi == lo ? Relation::Equal : Relation::Divides, 0};
    if (r != 1 && dividesBoth(r, hi, lo)) return {boundedProduct(hi / r, lo), Relation::CommonFactor, r};
    return {boundedProduct(hi, lo), Relation::NoFactorFound, r};
}

HeadFactor headFactorOf(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0) return {1, HeadsRelation::NoParts, 0};  // nothing to divide
    if (heads % parts == 0) return {heads / parts, HeadsRelation::HeadsMultiple, 0};
    const std::int64_t r = heads <= parts ? parts % heads : heads % parts;
    if (r != 1 && dividesBoth(r, parts, heads)) return {heads / r, HeadsRelation::CommonFactor, r};
    return {heads, HeadsRelation::AllHeads, r};
}

HeadFactor pairHeadFactorOf(std::int64_t parts, std::int64_t heads)
{
    if (parts <= 0) return {1, HeadsRelation::NoParts, 0};
    if (parts == heads) return {1, HeadsRelation::PartsDivide, 0};
    if (heads % parts == 0) return {heads / parts, HeadsRelation::HeadsMultiple, 0};
    if (parts % heads == 0) return {1, HeadsRelation::PartsDivide, 0};
    return headFactorOf(parts, heads);
}

}  // namespace qismaru
