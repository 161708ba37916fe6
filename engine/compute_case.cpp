#include "engine/compute_case.h"

#include <cassert>

#include "engine/exclusion.h"
#include "engine/named_cases.h"
#include "engine/steps.h"

namespace qismaru {

namespace {

// Like a chess engine's position check after every move: in debug builds
// the shares are checked after each step, so that a broken rule is caught in
// the step that breaks it rather than in the table.
void checkStep([[maybe_unused]] const CaseWork& work) { assert(!findStepViolation(work.counts, work.result)); }

// Every entered kind that is excluded, with the inheriting kinds that
// exclude it. The share steps keep excluded kinds out by the same rules.
void recordExclusions(const CaseWork& work)
{
    KindSet::enteredIn(work.counts).forEach([&](HeirKind kind) {
        const KindSet by = inheritingExcludersOf(kind, work.counts, work.sums);
        if (!by.empty()) work.record([kind, by] { return step::Excluded{kind, by}; });
    });
}

CaseOutcome divide(CaseWork& work)
{
    if (work.trace) recordExclusions(work);
    if (!assignFixedShares(work)) return CaseOutcome::ValidationStop;
    checkStep(work);
    for (void (*step)(CaseWork&) : {applySixthRule, formFixedTotalAndRemainder, setScaleFactors, assignResiduaries,
                                    assignFatherResidue, assignUmariyyatanShares, computeBase, computeCorrection}) {
        step(work);
        checkStep(work);
    }
    return computeParts(work) ? CaseOutcome::Computed : CaseOutcome::BeyondExactRange;
}

}  // namespace

CaseComputation computeCase(const KindCounts& counts, StepTrace* trace)
{
    if (trace) trace->clear();
    CaseComputation computation;
    CaseWork work(counts, computation.result, trace);
    computation.outcome = divide(work);
    collectCaseMessages(counts, computation.messages);
    assert(!findInvariantViolation(counts, computation));
    return computation;
}

// The schools' own rules are not in the engine yet: every school is answered
// as the Hanafi school answers it, for now.
CaseComputation computeCase(const KindCounts& counts, const Positions&, StepTrace* trace)
{
    return computeCase(counts, trace);
}

}  // namespace qismaru
