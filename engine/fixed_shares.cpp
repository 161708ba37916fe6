#include "engine/exclusion.h"
#include "engine/steps.h"
#include "engine/umariyyatan.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The kinds that can hold a fixed fraction, in the order their shares are added.
constexpr HeirKind kFixedKinds[] = {Mother,        UterineSiblings, Grandmothers,      Husband,
                                    Wives,         Father,          Grandfather,       Daughters,
                                    SonsDaughters, FullSisters,     ConsanguineSisters};

using decision::FixedReason;

// A fixed share, and the condition it was given under. Inlined, so that the
// fraction of constant terms is formed at compile time, as before it was noted.
[[gnu::always_inline]] inline void setFixed(CaseWork& work, HeirKind kind, int numerator, int denominator,
                                            FixedReason reason)
{
    setFraction(work.share(kind), numerator, denominator);
    work.record([&work, kind, reason] { return decision::Fixed{kind, work.share(kind).exact, reason, {}}; });
}

// One heir alone takes the first fraction, two or more share the second.
void setByHeads(CaseWork& work, HeirKind kind, int numeratorOne, int denominatorOne, int numeratorMany,
                int denominatorMany)
{
    if (work.count(kind) == 1) {
        setFixed(work, kind, numeratorOne, denominatorOne, FixedReason::Alone);
    } else {
        setFixed(work, kind, numeratorMany, denominatorMany, FixedReason::Several);
    }
}

void assignMother(CaseWork& work)
{
    if (!work.has(Mother)) return;
    // In the 'Umariyyatan the mother takes a third of what the spouse
    // leaves, not of the estate; her fixed share waits until then.
    if (umariyyatanHusbandForm(work.counts, work.sums) || umariyyatanWifeForm(work.counts, work.sums)) return;
    // Excluded siblings reduce the mother too: the count alone decides.
    if (work.sums.descendants > 0) {
        setFixed(work, Mother, 1, 6, FixedReason::WithDescendants);
    } else if (work.sums.siblingsTotal >= 2) {
        setFixed(work, Mother, 1, 6, FixedReason::WithSiblings);
    } else {
        setFixed(work, Mother, 1, 3, FixedReason::NoDescendantsNoSiblings);
    }
}

void assignUterineSiblings(CaseWork& work)
{
    if (!work.has(UterineSiblings) || isExcluded(UterineSiblings, work.counts, work.sums)) return;
    setByHeads(work, UterineSiblings, 1, 6, 1, 3);
}

void assignGrandmothers(CaseWork& work)
{
    // One sixth for all grandmothers together; the mother excludes them.
    if (work.has(Grandmothers) && !work.has(Mother)) setFixed(work, Grandmothers, 1, 6, FixedReason::NoMother);
}

// The husband's half and the wives' quarter halve beside a descendant.
void assignSpouse(CaseWork& work, HeirKind spouse, int denominatorAlone)
{
    if (!work.has(spouse)) return;
    if (work.sums.descendants > 0) {
        setFixed(work, spouse, 1, 2 * denominatorAlone, FixedReason::WithDescendants);
    } else {
        setFixed(work, spouse, 1, denominatorAlone, FixedReason::NoDescendants);
    }
}

void assignFatherAndGrandfatherSixth(CaseWork& work)
{
    // Beside a son or a son's son the father (or, without him, the
    // grandfather) has only his fixed sixth.
    if (work.sums.maleDescendants == 0) return;
    if (work.has(Father)) {
        setFixed(work, Father, 1, 6, FixedReason::BesideMaleDescendant);
    } else if (work.has(Grandfather)) {
        setFixed(work, Grandfather, 1, 6, FixedReason::BesideMaleDescendant);
    }
}

void assignDaughters(CaseWork& work)
{
    if (work.has(Daughters) && !work.has(Sons)) setByHeads(work, Daughters, 1, 2, 2, 3);
}

void assignSonsDaughters(CaseWork& work)
{
    if (!work.has(SonsDaughters) || work.sums.maleDescendants > 0) return;
    const int daughters = work.count(Daughters);
    if (daughters == 0) {
        setByHeads(work, SonsDaughters, 1, 2, 2, 3);
    } else if (daughters == 1) {
        setFixed(work, SonsDaughters, 1, 6, FixedReason::CompletingTwoThirds);
    }
}

// The books' "the highest level of daughters takes the half, the next the
// completing sixth" repeated below a son's son who does not reach them: the
// level that holds the sixth keeps it, and he takes what is left.
void assignCompletingSixth(CaseWork& work)
{
    CompletingSixth& lower = work.result.completingSixth;
    if (lower.heads > 0 && work.count(Daughters) == 1 && work.has(SonsSons) && !work.has(Sons)) {
        setFraction(lower.share, 1, 6);
        work.record([&lower] { return decision::CompletingSixth{lower.share.exact, lower.heads}; });
    }
}

bool sistersMayHoldFractions(const CaseWork& work)
{
    return work.sums.descendants == 0 && !work.has(Father) && !work.has(Grandfather) && !work.has(FullBrothers);
}

void assignFullSisters(CaseWork& work)
{
    if (work.has(FullSisters) && sistersMayHoldFractions(work)) setByHeads(work, FullSisters, 1, 2, 2, 3);
}

void assignConsanguineSisters(CaseWork& work)
{
    if (!work.has(ConsanguineSisters) || !sistersMayHoldFractions(work)) return;
    if (work.has(ConsanguineBrothers) || work.count(FullSisters) >= 2) return;
    if (work.count(FullSisters) == 0) {
        setByHeads(work, ConsanguineSisters, 1, 2, 2, 3);
    } else {
        setFixed(work, ConsanguineSisters, 1, 6, FixedReason::CompletingTwoThirds);
    }
}

}  // namespace

bool assignFixedShares(CaseWork& work)
{
    assignMother(work);
    assignUterineSiblings(work);
    assignGrandmothers(work);
    assignSpouse(work, Husband, 2);
    if (work.has(Husband) && work.has(Wives)) return false;
    if (work.count(Wives) > kMaxWives) return false;
    assignSpouse(work, Wives, 4);
    assignFatherAndGrandfatherSixth(work);
    assignDaughters(work);
    assignSonsDaughters(work);
    assignCompletingSixth(work);
    assignFullSisters(work);
    assignConsanguineSisters(work);
    return true;
}

double sumFixedShares(const CaseResult& r)
{
    double total = 0.0;
    for (const HeirKind kind : kFixedKinds) total += r[kind].value;
    if (r.completingSixth.heads > 0) total += r.completingSixth.share.value;
    return total;
}

Fraction sumExactFixedShares(const CaseResult& r)
{
    // Every fixed denominator divides 24: add in twenty-fourths.
    std::int64_t twentyFourths = 0;
    const auto add = [&twentyFourths](const ShareResult& share) {
        if (share.isFraction()) twentyFourths += share.numerator * (24 / share.denominator);
    };
    for (const HeirKind kind : kFixedKinds) add(r[kind]);
    add(r.completingSixth.share);
    return Fraction::of(twentyFourths, 24);
}

void formFixedTotalAndRemainder(CaseWork& work)
{
    work.fixedTotal = sumFixedShares(work.result);
    work.remainder = 1.0 - work.fixedTotal;
    work.exactFixedTotal = sumExactFixedShares(work.result);
    work.exactRemainder = Fraction::whole(1) - work.exactFixedTotal;
    if (work.remainder < kNothingBelow) {
        work.remainder = 0.0;
        work.exactRemainder = {};
    }
}

}  // namespace qismaru
