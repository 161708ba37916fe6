#include <optional>

#include "engine/steps.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

using enum HeirKind;

// A kind's parts of the base, before the correction, as the correction must
// make them divisible by the kind's heads. 0 when the kind has no parts.
std::int64_t partsBeforeCorrection(const CaseWork& work, const ShareResult& share, bool spouse)
{
    const double base = static_cast<double>(work.result.base);
    if (share.isFraction()) {
        const double parts = base / share.denominator * share.numerator;
        // The spouse's parts never carry the return.
        return whole(spouse ? parts : parts * work.result.returnFactor);
    }
    if (share.isResiduary()) return whole(base * share.value);
    return 0;
}

std::int64_t partsBeforeCorrection(const CaseWork& work, HeirKind kind)
{
    return partsBeforeCorrection(work, work.share(kind), kind == Wives);
}

std::int64_t groupHeadFactor(const CaseWork& work, HeirKind kind)
{
    const std::int64_t heads = work.count(kind);
    if (heads == 0) return 1;
    const std::int64_t parts = partsBeforeCorrection(work, kind);
    if (parts % heads == 0) return 1;
    const HeadFactor factor = headFactorOf(parts, heads);
    if (factor.factor > 1)
        work.record([kind, parts, heads, factor] { return decision::GroupHeads{kind, parts, heads, factor}; });
    return factor.factor;
}

std::int64_t completingSixthFactor(const CaseWork& work)
{
    const CompletingSixth& lower = work.result.completingSixth;
    const std::int64_t parts = partsBeforeCorrection(work, lower.share, false);
    if (parts % lower.heads == 0) return 1;
    const HeadFactor factor = headFactorOf(parts, lower.heads);
    const std::int64_t heads = lower.heads;
    if (factor.factor > 1)
        work.record([parts, heads, factor] { return decision::CompletingSixthHeads{parts, heads, factor}; });
    return factor.factor;
}

// The factor found so far, combined with one more by the common-multiple step.
std::int64_t combineFactors(const CaseWork& work, std::int64_t correction, std::int64_t factor)
{
    const CommonMultiple combined = commonMultipleStepOf(correction, factor);
    if (correction > 1 && factor > 1)
        work.record([correction, factor, combined] { return decision::CombinedFactors{correction, factor, combined}; });
    return combined.value;
}

// A residuary that shares 2:1 with its sisters is corrected as a pair below,
// not on its own; the same holds for the sisters.
struct CorrectedKind {
    HeirKind kind;
    std::optional<HeirKind> unlessPresent;
};

std::int64_t accumulateHeadFactors(const CaseWork& work)
{
    constexpr CorrectedKind kinds[] = {
        {UterineSiblings, {}},
        {Wives, {}},
        {Grandmothers, {}},
        {ConsanguineSisters, ConsanguineBrothers},
        {FullSisters, FullBrothers},
        {SonsDaughters, SonsSons},
        {Daughters, Sons},
        {Sons, Daughters},
        {SonsSons, SonsDaughters},
        {FullBrothers, FullSisters},
        {ConsanguineBrothers, ConsanguineSisters},
        {FullBrothersSons, {}},
        {ConsanguineBrothersSons, {}},
        {FullUncles, {}},
        {ConsanguineUncles, {}},
        {FullUnclesSons, {}},
        {ConsanguineUnclesSons, {}},
    };
    std::int64_t correction = 1;
    const auto combine = [&](std::int64_t factor) {
        if (factor > 1) correction = correction == 1 ? factor : combineFactors(work, correction, factor);
    };
    for (const CorrectedKind& k : kinds) {
        // The level of son's daughters who hold the completing sixth stands above those the son's son lifts.
        if (k.kind == SonsDaughters && work.result.completingSixth.heads > 0) combine(completingSixthFactor(work));
        if (k.unlessPresent && work.has(*k.unlessPresent)) continue;
        combine(groupHeadFactor(work, k.kind));
    }
    return correction;
}

struct ResiduaryPair {
    HeirKind male;
    HeirKind female;
};

// The first male and female residuary kinds that share the remainder 2:1.
bool findSharingPair(const CaseWork& work, ResiduaryPair& pair)
{
    const auto bothPresent = [&](HeirKind male, HeirKind female) { return work.has(male) && work.has(female); };
    const auto paid = [&](HeirKind male, HeirKind female) {
        return work.share(male).value + work.share(female).value != 0.0;
    };
    const bool siblingsInherit = work.sums.maleDescendants == 0 && !work.has(Father) && !work.has(Grandfather);

    if (bothPresent(Sons, Daughters)) {
        pair = {Sons, Daughters};
    } else if (bothPresent(SonsSons, SonsDaughters) && !work.has(Sons) && paid(SonsSons, SonsDaughters)) {
        pair = {SonsSons, SonsDaughters};
    } else if (bothPresent(FullBrothers, FullSisters) && siblingsInherit && paid(FullBrothers, FullSisters)) {
        pair = {FullBrothers, FullSisters};
    } else if (bothPresent(ConsanguineBrothers, ConsanguineSisters) && siblingsInherit && !work.has(FullBrothers) &&
               !(work.sums.femaleDescendants > 0 && work.has(FullSisters)) &&
               paid(ConsanguineBrothers, ConsanguineSisters)) {
        pair = {ConsanguineBrothers, ConsanguineSisters};
    } else {
        return false;
    }
    return true;
}

std::int64_t applyPairHeadFactor(const CaseWork& work, std::int64_t correction)
{
    ResiduaryPair pair{};
    if (!findSharingPair(work, pair)) return correction;
    const double base = static_cast<double>(work.result.base);
    const std::int64_t parts = whole(base * work.share(pair.female).value + base * work.share(pair.male).value);
    const std::int64_t heads = 2 * work.count(pair.male) + work.count(pair.female);
    const HeadFactor factor = pairHeadFactorOf(parts, heads);
    if (factor.factor > 1)
        work.record([pair, parts, heads, factor] {
            return decision::PairHeads{pair.male, pair.female, parts, heads, factor};
        });
    return combineFactors(work, correction, factor.factor);
}

bool othersHoldNothing(const CaseResult& result, HeirKind kind)
{
    double others = result.completingSixth.share.value;
    for (int i = 0; i < kHeirKindCount; ++i) {
        if (i != indexOf(kind)) others += result.shares[i].value;
    }
    return others == 0.0;
}

// Several daughters (or sisters) alone, after a return without a spouse:
// the head factor was taken on the unreduced base, so half of it is enough
// (three daughters alone: Base 3, reduced base 2, Correction 1.5, one part each).
double applyHalvingRule(const CaseWork& work, std::int64_t correction)
{
    const CaseResult& r = work.result;
    for (const HeirKind kind : {Daughters, SonsDaughters, FullSisters, ConsanguineSisters}) {
        const int heads = work.count(kind);
        if (heads < 2 || !othersHoldNothing(r, kind)) continue;
        const std::int64_t parts = whole(static_cast<double>(r.base) * r[kind].value * static_cast<double>(correction));
        if (static_cast<double>(parts) / heads != 1.0) {
            work.record([kind, correction] { return decision::Halving{kind, correction}; });
            return static_cast<double>(correction) / 2.0;
        }
    }
    return static_cast<double>(correction);
}

}  // namespace

void computeCorrection(CaseWork& work)
{
    const std::int64_t correction = applyPairHeadFactor(work, accumulateHeadFactors(work));
    // Beyond the exact range the halving rule is meaningless; computeCase
    // reports such a case instead of drawing it.
    if (correction > kMaxExactWhole) {
        work.result.correction = static_cast<double>(correction);
        return;
    }
    work.result.correction = applyHalvingRule(work, correction);
}

}  // namespace qismaru
