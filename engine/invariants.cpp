#include "engine/compute_case.h"
#include "engine/exclusion.h"
#include "engine/kind_groups.h"
#include "engine/steps.h"

namespace qismaru {

namespace {

bool holdsNothing(const ShareResult& share) { return share.value == 0.0 && share.denominator == 0; }

// What must hold of every kind's share at any step of the computation.
std::optional<std::string_view> shareViolation(const KindCounts& counts, const CaseResult& r,
                                               School school = School::Hanafi)
{
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        if ((!counts.has(info.kind) || isExcluded(info.kind, counts, school)) && !holdsNothing(share)) {
            return "an absent or excluded kind holds a share";
        }
        if (share.value < 0.0) return "a share is negative";
        if (share.isFraction() && share.value != static_cast<double>(share.numerator) / share.denominator) {
            return "a fixed fraction's value differs from its numerator over its denominator";
        }
        if (share.isFraction() && !(share.exact == Fraction::of(share.numerator, share.denominator))) {
            return "a fixed fraction's exact value differs from its numerator over its denominator";
        }
        if (share.isResiduary() && share.label == ShareLabel::None) return "a residuary share has no label";
    }
    if (r.completingSixth.heads == 0 && !holdsNothing(r.completingSixth.share)) {
        return "a completing sixth is held by no lower son's daughter";
    }
    return std::nullopt;
}

// What the table shows: at most one male residuary paid, whole parts for
// every head, and parts that add up to the corrected base.
std::optional<std::string_view> partsViolation(const KindCounts& counts, const CaseResult& r)
{
    int paidMaleResiduaries = 0;
    std::int64_t totalParts = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        if (isMaleResiduary(info.kind) && share.isResiduary()) ++paidMaleResiduaries;
        const std::int64_t parts = r.parts[indexOf(info.kind)];
        if (parts < 0) return "a kind has negative parts";
        if (parts > 0 && parts % counts.of(info.kind) != 0) return "an heir gets a fraction of a part";
        totalParts += parts;
    }
    const CompletingSixth& lower = r.completingSixth;
    if (lower.parts < 0 || (lower.parts > 0 && lower.parts % lower.heads != 0)) {
        return "a lower son's daughter gets a fraction of a part";
    }
    totalParts += lower.parts;
    if (paidMaleResiduaries > 1) return "more than one male residuary kind is paid";
    if (r.base < 1) return "the base is below 1";
    // Below 1 only where every part and the base were reduced by a common
    // factor below the heads the base was formed from.
    if (r.correction < 1.0 && (r.finalBase < 1 || r.adjustedBase % r.finalBase != 0)) {
        return "the correction is below 1 without reducing the base";
    }
    if (r.undistributedRemainder ? totalParts >= r.finalBase : totalParts != r.finalBase) {
        return "the parts do not add up to the corrected base, or an undistributed remainder is not left";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> findStepViolation(const KindCounts& counts, const CaseResult& result)
{
    return shareViolation(counts, result);
}

std::optional<std::string_view> findInvariantViolation(const KindCounts& counts, const CaseComputation& computation)
{
    if (computation.outcome != CaseOutcome::Computed) return std::nullopt;
    if (const auto violation = shareViolation(counts, computation.result, computation.positions.school)) {
        return violation;
    }
    return partsViolation(counts, computation.result);
}

}  // namespace qismaru
