#include "engine/parts.h"

#include <cmath>

#include "engine/steps.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

using enum HeirKind;

// n/d rounded to the nearest whole number, halves to the even one: the
// parts are whole in every case the correction handles, and when they are
// not the invariants say so; rounding keeps the figure the nearest one.
template <typename Int>
Int roundedQuotient(Int n, Int d)
{
    Int q = n / d;
    const Int r2 = 2 * (n % d);
    if (r2 > d || (r2 == d && q % 2 != 0)) ++q;
    return q;
}

// base × twiceCorrection × n / (2 × d), rounded: in 64 bits when the product
// fits, as it does for every case below a corrected base of about 2^40.
std::int64_t partsOfPortion(std::int64_t base, std::int64_t twiceCorrection, Fraction portion)
{
    std::int64_t scaledBase = 0;
    std::int64_t numerator = 0;
    if (!__builtin_mul_overflow(base, twiceCorrection, &scaledBase) &&
        !__builtin_mul_overflow(scaledBase, portion.num, &numerator)) {
        return roundedQuotient<std::int64_t>(numerator, 2 * portion.den);
    }
    return static_cast<std::int64_t>(
        roundedQuotient<Wide>(Wide{base} * twiceCorrection * portion.num, 2 * Wide{portion.den}));
}

// The spouse's fraction of the estate, when a spouse is present.
Fraction spouseShare(const CaseWork& work)
{
    return work.has(Husband) ? work.share(Husband).exact : work.share(Wives).exact;
}

// The factor on the other heirs' fixed parts after a return with a spouse:
// what the spouse leaves, over what their shares add up to.
Fraction exactReturnFactor(const CaseWork& work)
{
    if (work.result.returnFactor == 1.0) return Fraction::whole(1);
    const Fraction s = spouseShare(work);
    return (Fraction::whole(1) - s) / (work.exactFixedTotal - s);
}

}  // namespace

bool computeParts(CaseWork& work)
{
    CaseResult& r = work.result;
    if (!(r.correction <= static_cast<double>(kMaxExactWhole))) return false;
    // The correction is whole, or half of a whole number after the halving rule.
    const std::int64_t twiceCorrection = std::llround(2.0 * r.correction);

    // An increase or a return without a spouse divides the base by the fixed
    // total: the increased or reduced base is the sum of the fixed parts.
    const bool baseDivided = r.baseDivisor != 1.0;
    const Fraction adjusted = baseDivided ? Fraction::whole(r.base) * work.exactFixedTotal : Fraction::whole(r.base);
    const std::int64_t finalBase = partsOfPortion(1, twiceCorrection, adjusted);
    if (finalBase > kMaxExactWhole) return false;
    r.adjustedBase = roundedQuotient(adjusted.num, adjusted.den);
    r.finalBase = finalBase;

    const Fraction returnFactor = exactReturnFactor(work);
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        if (!share.isFraction() && !share.isResiduary()) continue;
        const bool spouse = info.kind == Husband || info.kind == Wives;
        const Fraction scale = share.isFraction() && !spouse ? returnFactor : Fraction::whole(1);
        const Fraction portion = share.exact * scale;
        r.parts[indexOf(info.kind)] = partsOfPortion(r.base, twiceCorrection, portion);
    }
    CompletingSixth& lower = r.completingSixth;
    if (lower.share.isFraction()) {
        lower.parts = partsOfPortion(r.base, twiceCorrection, lower.share.exact * returnFactor);
    }
    return true;
}

std::int64_t partsOf(HeirKind kind, const CaseResult& r) { return r.parts[indexOf(kind)]; }

std::int64_t increasedOrReducedBaseOf(const CaseResult& r) { return r.adjustedBase; }

std::int64_t finalBaseOf(const CaseResult& r) { return r.finalBase; }

}  // namespace qismaru
