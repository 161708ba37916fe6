#include "engine/exclusion.h"
#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;

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
void takeRemainder(CaseWork& work, HeirKind male, HeirKind female)
{
    if (work.has(female)) {
        shareTwoToOne(work, male, female);
    } else {
        setResiduary(work.share(male), work.remainder, work.exactRemainder, ShareLabel::Remainder);
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
    takeRemainder(work, ConsanguineBrothers, ConsanguineSisters);
    // A full sister beside female descendants takes the remainder herself and
    // excludes the consanguine brothers and sisters.
    if (work.sums.femaleDescendants > 0 && work.has(FullSisters)) {
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
        }
    }
}

// Sisters become residuaries beside daughters or son's daughters.
void assignSistersWithDaughters(CaseWork& work)
{
    if (!noFatherNoSonLine(work) || work.has(FullBrothers) || work.sums.femaleDescendants == 0) return;
    if (work.has(FullSisters)) {
        setResiduary(work.share(FullSisters), work.remainder, work.exactRemainder, ShareLabel::Remainder);
    } else if (work.has(ConsanguineSisters) && !work.has(ConsanguineBrothers)) {
        setResiduary(work.share(ConsanguineSisters), work.remainder, work.exactRemainder, ShareLabel::Remainder);
    }
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
