#include "engine/head_shares.h"

#include "engine/fraction_checked.h"
#include "model/case_entry.h"

namespace qismaru {

CaseRefusal divideForShares(const KindCounts& counts, const Positions& positions, CaseComputation& computation,
                            HeadShares& shares)
{
    if (!counts.empty()) {
        if (grandmothersBeyondLimit(counts, positions.school)) return CaseRefusal::SchoolRefuses;
        computation = computeCase(counts, positions);
    }
    return sharesOf(counts, computation, shares);
}

CaseRefusal sharesOf(const KindCounts& counts, const CaseComputation& computation, HeadShares& shares)
{
    shares = {};
    if (counts.empty()) {
        shares.noHeir = Fraction::whole(1);
        return CaseRefusal::None;
    }
    if (computation.outcome == CaseOutcome::ValidationStop) return CaseRefusal::ValidationStop;
    if (computation.outcome == CaseOutcome::BeyondExactRange) return CaseRefusal::BeyondExactRange;
    const CaseResult& r = computation.result;
    std::int64_t paid = 0;
    for (int k = 0; k < kHeirKindCount; ++k) {
        if (r.parts[k] == 0) continue;
        const auto head = detail::narrowed(r.parts[k], Wide{r.finalBase} * counts.count[k]);
        if (!head) return CaseRefusal::BeyondExactRange;
        shares.perHead[k] = *head;
        paid += r.parts[k];
    }
    shares.noHeir = Fraction::of(r.finalBase - paid, r.finalBase);
    return CaseRefusal::None;
}

}  // namespace qismaru
