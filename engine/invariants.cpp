#include "engine/compute_case.h"
#include "engine/exclusion.h"
#include "engine/kind_groups.h"

namespace qismaru {

namespace {

bool holdsNothing(const ShareResult& share) { return share.value == 0.0 && share.denominator == 0; }

}  // namespace

std::optional<std::string_view> findInvariantViolation(const KindCounts& counts, const CaseComputation& computation)
{
    if (computation.outcome != CaseOutcome::Computed) return std::nullopt;
    const CaseResult& r = computation.result;

    int paidMaleResiduaries = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        const bool present = counts.has(info.kind);
        if ((!present || isExcluded(info.kind, counts)) && !holdsNothing(share)) {
            return "an absent or excluded kind holds a share";
        }
        if (share.value < 0.0) return "a share is negative";
        if (share.isFraction() && share.value != static_cast<double>(share.numerator) / share.denominator) {
            return "a fixed fraction's value differs from its numerator over its denominator";
        }
        if (share.isResiduary() && share.label == ShareLabel::None) return "a residuary share has no label";
        if (isMaleResiduary(info.kind) && share.isResiduary()) ++paidMaleResiduaries;
    }
    if (paidMaleResiduaries > 1) return "more than one male residuary kind is paid";
    if (r.Base < 1) return "the base is below 1";
    if (r.Correction < 1.0) return "the correction is below 1";
    return std::nullopt;
}

}  // namespace qismaru
