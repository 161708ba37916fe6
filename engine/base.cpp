#include <algorithm>
#include <cmath>

#include "engine/steps.h"
#include "engine/umariyyatan.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The least common multiple of the fixed denominators. On a return with a
// spouse the spouse's own fraction stays out: the spouse-return base below
// takes its place.
std::int64_t baseOfDenominators(const CaseWork& work)
{
    const bool spouseCounts = work.result.shareScale <= 1.0;
    std::int64_t base = 1;
    for (const HeirKind kind : {Mother, Father, Grandfather, Wives, UterineSiblings, Grandmothers, Husband,
                                ConsanguineSisters, FullSisters, SonsDaughters, Daughters}) {
        if ((kind == Wives || kind == Husband) && !spouseCounts) continue;
        const int denominator = work.share(kind).denominator;
        if (denominator > 0) base = commonMultipleStep(base, denominator);
    }
    return base;
}

// The spouse takes one part of the spouse's denominator d; the other heirs
// share the d - 1 parts left, in the proportions of their h parts on the old base.
std::int64_t spouseReturnBase(const CaseWork& work, std::int64_t base)
{
    const bool husband = work.has(Husband);
    const bool femaleDescendants = work.sums.femaleDescendants > 0;
    const std::int64_t d = husband ? (femaleDescendants ? 4 : 2) : (femaleDescendants ? 8 : 4);
    const double spouseValue = work.share(husband ? Husband : Wives).value;
    const std::int64_t g = d - 1;
    std::int64_t h = whole(static_cast<double>(base) * (work.fixedTotal - spouseValue));

    const double femaleShares = work.share(Daughters).value + work.share(SonsDaughters).value +
                                work.share(FullSisters).value + work.share(ConsanguineSisters).value;
    if (base == 3 && h == 2 && femaleShares > 0.0) h = 1;
    // The other heirs always hold at least one part; guard the divisions anyway.
    h = std::max<std::int64_t>(h, 1);

    if (g % h == 0 || h == 1) return d;
    if (g == 1) return h * d;
    const std::int64_t r = std::max(g, h) % std::min(g, h);
    if (r != 1 && g % r == 0 && h % r == 0) return d * h / r;
    return d * h;
}

}  // namespace

void computeBase(CaseWork& work)
{
    CaseResult& r = work.result;
    r.base = baseOfDenominators(work);
    // The mother's third of the remainder after the husband's half is a sixth.
    if (umariyyatanHusbandForm(work.counts, work.sums)) r.base *= 3;
    if (isReturnWithSpouse(work)) {
        r.baseDivisor = 1.0;
        r.returnFactor = r.shareScale;
        r.base = spouseReturnBase(work, r.base);
    }
}

}  // namespace qismaru
