#include "engine/compute_case.h"

#include <cassert>

#include "engine/exclusion.h"
#include "engine/named_cases.h"
#include "engine/school_rules.h"
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
        if (!by.empty()) work.record([kind, by] { return decision::Excluded{kind, by}; });
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

CaseComputation computeHanafi(const Capacities& capacities, DecisionTrace* trace)
{
    if (trace) trace->clear();
    CaseComputation computation;
    computation.result.completingSixth.heads = capacities.completingSixth;
    CaseWork work(capacities.counts, computation.result, trace);
    computation.outcome = divide(work);
    collectCaseMessages(capacities.counts, computation.messages, capacities.uterineBrother);
    assert(!findInvariantViolation(capacities.counts, computation));
    return computation;
}

}  // namespace

CaseComputation computeCase(const KindCounts& counts, DecisionTrace* trace) { return computeHanafi({counts}, trace); }

CaseComputation computeCase(const KindCounts& counts, const Positions& positions, DecisionTrace* trace)
{
    return computeCase(Capacities{counts}, positions, trace);
}

// The Hanafi answer first: the schools agree with it in all but a few kinds
// of case, and where they differ the school's rule starts from its shares.
// No rule of a school reaches a lower level of son's daughters: each needs
// a case without male descendants, or one with a return.
CaseComputation computeCase(const Capacities& capacities, const Positions& asked, DecisionTrace* trace)
{
    const Positions positions = effectivePositions(asked);
    CaseComputation computation = computeHanafi(capacities, trace);
    if (positions == Positions{}) return computation;
    computation.positions = positions;
    if (computation.outcome == CaseOutcome::Computed) {
        assert(capacities.completingSixth == 0 ||
               schoolRuleFor(capacities.counts, positions, computation.result) == SchoolRule::None);
        applySchoolRules(capacities.counts, positions, computation, trace);
    }
    assert(!findInvariantViolation(capacities.counts, computation));
    return computation;
}

bool differsFromHanafi(const KindCounts& counts, const CaseComputation& computation)
{
    if (computation.positions == Positions{}) return false;
    const CaseComputation hanafi = computeCase(counts);
    if (hanafi.outcome != computation.outcome) return true;
    if (computation.outcome != CaseOutcome::Computed) return false;
    const CaseResult& a = computation.result;
    const CaseResult& b = hanafi.result;
    for (int k = 0; k < kHeirKindCount; ++k) {
        // parts / corrected base, compared across the two bases
        if (Wide{a.parts[k]} * b.finalBase != Wide{b.parts[k]} * a.finalBase) return true;
    }
    if (Wide{a.completingSixth.parts} * b.finalBase != Wide{b.completingSixth.parts} * a.finalBase) return true;
    return a.undistributedRemainder != b.undistributedRemainder;
}

}  // namespace qismaru
