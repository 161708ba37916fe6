#include "engine/kind_groups.h"
#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;

// A fixed total of exactly 1 can add up to 0.9999999999999999 or
// 1.0000000000000002 in doubles (1/3 + 1/2 + 1/6). Real increases are at
// least 25/24 and real shortfalls at least 1/24, so the same 0.01 that turns
// a tiny remainder into nothing keeps such a case from being read as an
// increase or a return.
bool sharesExceedEstate(const CaseWork& work) { return work.fixedTotal - 1.0 > kNothingBelow; }

bool sharesFallShort(const CaseWork& work) { return work.fixedTotal > 0.0 && work.remainder > 0.0; }

// Someone takes the remainder: the father or grandfather as residuary, or a
// sister beside daughters or son's daughters.
bool someoneTakesRemainder(const CaseWork& work)
{
    const CountSums& s = work.sums;
    const bool aboveSixth = work.remainderBeforeSixth > kSixth;
    const bool onlyFemaleDescendants = s.maleDescendants == 0 && s.femaleDescendants > 0;
    const bool father = work.has(Father);
    const bool grandfatherInPlace = work.has(Grandfather) && !father;
    if ((father || grandfatherInPlace) && (s.descendants == 0 || (onlyFemaleDescendants && aboveSixth))) {
        return true;
    }

    const bool fullSisterResiduary = work.has(FullSisters) && !work.has(FullBrothers) && s.maleDescendants == 0;
    const bool consanguineSisterResiduary = work.has(ConsanguineSisters) && !work.has(FullBrothers) &&
                                            !work.has(ConsanguineBrothers) && !work.has(FullSisters) &&
                                            s.maleDescendants == 0;
    const bool femaleDescendant = work.has(Daughters) || work.has(SonsDaughters);
    return (fullSisterResiduary || consanguineSisterResiduary) && femaleDescendant;
}

bool maleResiduaryPresent(const CaseWork& work)
{
    for (const HeirKindInfo& info : heirKinds()) {
        if (isMaleResiduary(info.kind) && work.has(info.kind)) return true;
    }
    return false;
}

// The sharers the surplus goes back to: every kind holding a fixed share but the spouse.
KindSet returnSharers(const CaseWork& work)
{
    KindSet sharers;
    for (const HeirKindInfo& info : heirKinds()) {
        if (info.kind != Husband && info.kind != Wives && work.share(info.kind).isFraction()) sharers.add(info.kind);
    }
    return sharers;
}

}  // namespace

bool isReturnWithSpouse(const CaseWork& work)
{
    return sharesFallShort(work) && work.result.shareScale != 1.0 && (work.has(Husband) || work.has(Wives));
}

void setScaleFactors(CaseWork& work)
{
    CaseResult& r = work.result;
    r.shareScale = r.spouseScale = r.baseDivisor = r.returnFactor = 1.0;

    if (sharesExceedEstate(work)) {
        // The increase: every share shrinks in proportion.
        r.shareScale = r.spouseScale = r.baseDivisor = 1.0 / work.fixedTotal;
        work.record([&work] { return decision::Increase{work.exactFixedTotal}; });
        return;
    }
    // A spouse alone keeps only the spouse's fraction.
    if (spouseAlone(work.counts)) {
        r.undistributedRemainder = true;
        work.record([&work] { return decision::SpouseAlone{work.has(Husband) ? Husband : Wives}; });
        return;
    }
    if (!sharesFallShort(work) || someoneTakesRemainder(work) || maleResiduaryPresent(work)) return;

    // The return goes to the heirs other than the spouse.
    for (const HeirKind spouse : {Husband, Wives}) {
        if (work.has(spouse)) {
            const double spouseValue = work.share(spouse).value;
            r.shareScale = (1.0 - spouseValue) / (work.fixedTotal - spouseValue);
            work.record([&work, spouse] {
                return decision::Return{work.exactFixedTotal, returnSharers(work), spouse};
            });
            return;
        }
    }
    r.shareScale = r.baseDivisor = 1.0 / work.fixedTotal;
    work.record([&work] { return decision::Return{work.exactFixedTotal, returnSharers(work), std::nullopt}; });
}

}  // namespace qismaru
