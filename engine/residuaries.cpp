#include "engine/exclusion.h"
#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;
using decision::ResidueWay;

// Notes that a residuary took the remainder, or that nothing was left for it.
[[gnu::always_inline]] inline void recordResidue(const CaseWork& work, HeirKind kind, ResidueWay way, KindSet with,
                                                 KindSet beside = {})
{
    work.record([&work, kind, way, with, beside] {
        return work.exactRemainder.isZero() ? Decision{decision::NothingLeft{kind}}
                                            : Decision{decision::Residue{kind, way, with, beside, work.exactRemainder}};
    });
}

// A brother with his sisters (or a son with his sisters) shares the
// remainder two to one: each male counts as two heads.
void shareTwoToOne(CaseWork& work, HeirKind male, HeirKind female)
{
    const int maleHeads = 2 * work.count(male);
    const int femaleHeads = work.count(female);
    const int allHeads = maleHeads + femaleHeads;
    setResiduary(work.share(male), work.remainder * (static_cast<double>(maleHeads) / allHeads),
                 work.exactRemainder * Fraction::of(maleHeads, allHeads), ShareLabel::SharesRemainder);
    setResiduary(work.share(female), work.remainder * (static_cast<double>(femaleHeads) / allHeads),
                 work.exactRemainder * Fraction::of(femaleHeads, allHeads), ShareLabel::SharesRemainder);
}

// The male residuary takes the remainder alone, or with his sisters 2:1.
// `recorded` is false where a later rule takes the share away again.
void takeRemainder(CaseWork& work, HeirKind male, HeirKind female, bool recorded = true)
{
    if (work.has(female)) {
        shareTwoToOne(work, male, female);
        if (!recorded) return;
        recordResidue(work, male, ResidueWay::BySelf, {female});
        recordResidue(work, female, ResidueWay::ThroughBrother, {male});
    } else {
        setResiduary(work.share(male), work.remainder, work.exactRemainder, ShareLabel::Remainder);
        if (recorded) recordResidue(work, male, ResidueWay::BySelf, {});
    }
}

bool noFatherNoSonLine(const CaseWork& work)
{
    return work.sums.maleDescendants == 0 && !work.has(Father) && !work.has(Grandfather);
}

void assignSons(CaseWork& work)
{
    if (work.has(Sons)) takeRemainder(work, Sons, Daughters);
}

void assignSonsSons(CaseWork& work)
{
    // With a son's son, his sisters share with him whatever the number of daughters.
    if (work.has(SonsSons) && !work.has(Sons)) takeRemainder(work, SonsSons, SonsDaughters);
}

void assignFullBrothers(CaseWork& work)
{
    if (work.has(FullBrothers) && noFatherNoSonLine(work)) takeRemainder(work, FullBrothers, FullSisters);
}

void assignConsanguineBrothers(CaseWork& work)
{
    if (!work.has(ConsanguineBrothers) || work.has(FullBrothers) || !noFatherNoSonLine(work)) return;
    // A full sister beside female descendants takes the remainder herself and
    // excludes the consanguine brothers and sisters.
    const bool fullSisterTakesRemainder = work.sums.femaleDescendants > 0 && work.has(FullSisters);
    takeRemainder(work, ConsanguineBrothers, ConsanguineSisters, !fullSisterTakesRemainder);
    if (fullSisterTakesRemainder) {
        for (const HeirKind kind : {ConsanguineBrothers, ConsanguineSisters}) {
            work.share(kind).value = 0.0;
            work.share(kind).exact = {};
        }
    }
}

void assignRemoteAgnates(CaseWork& work)
{
    // At most one of these passes: each excludes those after it.
    for (const HeirKind kind : {FullBrothersSons, ConsanguineBrothersSons, FullUncles, ConsanguineUncles,
                                FullUnclesSons, ConsanguineUnclesSons}) {
        if (work.has(kind) && !isExcluded(kind, work.counts, work.sums)) {
            setResiduary(work.share(kind), work.remainder, work.exactRemainder, ShareLabel::Remainder);
            recordResidue(work, kind, ResidueWay::BySelf, {});
        }
    }
}

// Sisters become residuaries beside daughters or son's daughters.
void assignSistersWithDaughters(CaseWork& work)
{
    if (!noFatherNoSonLine(work) || work.has(FullBrothers) || work.sums.femaleDescendants == 0) return;
    HeirKind sisters = FullSisters;
    if (!work.has(FullSisters)) {
        if (!work.has(ConsanguineSisters) || work.has(ConsanguineBrothers)) return;
        sisters = ConsanguineSisters;
    }
    setResiduary(work.share(sisters), work.remainder, work.exactRemainder, ShareLabel::Remainder);
    // The daughters and son's daughters who hold a share make them residuaries.
    KindSet beside;
    if (work.trace) {
        for (const HeirKind kind : {Daughters, SonsDaughters}) {
            if (work.share(kind).value > 0.0) beside.add(kind);
        }
    }
    recordResidue(work, sisters, ResidueWay::WithDaughters, {}, beside);
}

}  // namespace

void assignResiduaries(CaseWork& work)
{
    assignSons(work);
    assignSonsSons(work);
    assignFullBrothers(work);
    assignConsanguineBrothers(work);
    assignRemoteAgnates(work);
    assignSistersWithDaughters(work);
}

}  // namespace qismaru
