#include <algorithm>
#include <cmath>

#include "engine/steps.h"
#include "engine/umariyyatan.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

using enum HeirKind;

constexpr HeirKind kBaseKinds[] = {Mother,          Father,        Grandfather, Wives,
                                   UterineSiblings, Grandmothers,  Husband,     ConsanguineSisters,
                                   FullSisters,     SonsDaughters, Daughters};

// The denominator a kind brings into the base, or 0. On a return with a
// spouse the spouse's own fraction stays out: the spouse-return base below
// takes its place.
int denominatorTaken(const CaseWork& work, HeirKind kind, bool spouseCounts)
{
    if ((kind == Wives || kind == Husband) && !spouseCounts) return 0;
    return work.share(kind).denominator;
}

// Every denominator taken into the base, as the set the solution names.
std::uint32_t denominatorsTaken(const CaseWork& work, bool spouseCounts)
{
    std::uint32_t denominators = 0;
    for (const HeirKind kind : kBaseKinds) {
        if (const int d = denominatorTaken(work, kind, spouseCounts); d > 0) denominators |= std::uint32_t{1} << d;
    }
    if (const int d = work.result.completingSixth.share.denominator; d > 0) denominators |= std::uint32_t{1} << d;
    return denominators;
}

// The least common multiple of the fixed denominators.
std::int64_t baseOfDenominators(const CaseWork& work)
{
    const bool spouseCounts = work.result.shareScale <= 1.0;
    std::int64_t base = 1;
    for (const HeirKind kind : kBaseKinds) {
        const int denominator = denominatorTaken(work, kind, spouseCounts);
        if (denominator > 0) base = commonMultipleStep(base, denominator);
    }
    if (const int d = work.result.completingSixth.share.denominator; d > 0) base = commonMultipleStep(base, d);
    work.record([&work, base, spouseCounts] {
        return decision::BaseOfDenominators{denominatorsTaken(work, spouseCounts), base, !spouseCounts};
    });
    return base;
}

// The spouse takes one part of the spouse's own denominator d (no male
// descendant stands in a return, so the descendants are female ones); the
// other heirs share the d - 1 parts left, in the proportions of their h
// parts on the old base.
std::int64_t spouseReturnBase(const CaseWork& work, std::int64_t base)
{
    const HeirKind spouseKind = work.has(Husband) ? Husband : Wives;
    const ShareResult& spouse = work.share(spouseKind);
    const std::int64_t d = spouse.denominator;
    const std::int64_t g = d - 1;
    const std::int64_t othersParts = whole(static_cast<double>(base) * (work.fixedTotal - spouse.value));
    std::int64_t h = othersParts;

    // Husband and three daughters: the daughters' two thirds are 2 parts of a
    // base of 3, but they are one group taking all that the husband leaves,
    // so they count as one part (base 4: husband 1, daughters 3). The same
    // holds for the son's daughters' or the sisters' two thirds.
    const double femaleShares = work.share(Daughters).value + work.share(SonsDaughters).value +
                                work.share(FullSisters).value + work.share(ConsanguineSisters).value;
    const bool twoThirdsAreOneGroup = base == 3 && h == 2 && femaleShares > 0.0;
    if (twoThirdsAreOneGroup) h = 1;
    // The other heirs always hold at least one part; guard the divisions anyway.
    h = std::max<std::int64_t>(h, 1);

    decision::SpouseReturnBase fit{spouseKind, d, base, othersParts, h, decision::SpouseReturnFit::Divides, 0, d};
    if (g % h == 0 || h == 1) {
        fit.base = d;
    } else if (g == 1) {
        fit.fit = decision::SpouseReturnFit::OneLeft;
        fit.base = h * d;
    } else {
        const std::int64_t r = std::max(g, h) % std::min(g, h);
        fit.remainder = r;
        if (r != 1 && g % r == 0 && h % r == 0) {
            fit.fit = decision::SpouseReturnFit::CommonFactor;
            fit.base = d * h / r;
        } else {
            fit.fit = decision::SpouseReturnFit::NoFactorFound;
            fit.base = d * h;
        }
    }
    work.record([fit] { return fit; });
    return fit.base;
}

}  // namespace

void computeBase(CaseWork& work)
{
    CaseResult& r = work.result;
    r.base = baseOfDenominators(work);
    // The mother's third of the remainder after the husband's half is a sixth.
    if (umariyyatanHusbandForm(work.counts, work.sums)) {
        r.base *= 3;
        work.record([&r] { return decision::UmariyyatanBase{r.base / 3, r.base}; });
    }
    if (isReturnWithSpouse(work)) {
        r.baseDivisor = 1.0;
        r.returnFactor = r.shareScale;
        r.base = spouseReturnBase(work, r.base);
    }
}

}  // namespace qismaru
