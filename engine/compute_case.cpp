#include "engine/compute_case.h"

#include <cassert>

#include "engine/named_cases.h"
#include "engine/steps.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

bool withinExactRange(const CaseResult& r)
{
    const double limit = static_cast<double>(kMaxExactWhole);
    return r.Correction <= limit && r.Correction * (static_cast<double>(r.Base) / r.BaseDivisor) <= limit;
}

CaseOutcome divide(CaseWork& work)
{
    if (!assignFixedShares(work)) return CaseOutcome::ValidationStop;
    applySixthRule(work);
    formFixedTotalAndRemainder(work);
    setScaleFactors(work);
    assignResiduaries(work);
    assignFatherResidue(work);
    assignUmariyyatanShares(work);
    computeBase(work);
    computeCorrection(work);
    return withinExactRange(work.result) ? CaseOutcome::Computed : CaseOutcome::BeyondExactRange;
}

}  // namespace

CaseComputation computeCase(const KindCounts& counts)
{
    CaseComputation computation;
    CaseWork work(counts, computation.result);
    computation.outcome = divide(work);
    collectCaseMessages(counts, computation.messages);
    assert(!findInvariantViolation(counts, computation));
    return computation;
}

}  // namespace qismaru
