#include "estate/settlement.h"

namespace qismaru::estate {

bool hasRow(HeirKind kind, const KindCounts& counts, const CaseResult& result)
{
    const ShareResult& share = result[kind];
    return counts.has(kind) && (share.isFraction() || share.isResiduary());
}

Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation)
{
    Settlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    if (computation.outcome != CaseOutcome::Computed) {
        s.division = computation.stopped() ? Division::NotDividedStopped : Division::NotDividedBeyondRange;
        return s;
    }
    const CaseResult& r = computation.result;
    const Minor net = s.claims.net;
    // The major unit's exact amounts are over the corrected base times the
    // minor units in a major one (below 2^63); the rounding is in minor units.
    const auto majorBase = static_cast<std::uint64_t>(r.finalBase) * minorPerMajor(inputs.decimals);
    s.finalBase = r.finalBase;

    std::int64_t partsGiven = 0;
    Minor paid = 0;
    s.kinds.reserve(kHeirKindCount);
    for (const HeirKindInfo& info : heirKinds()) {
        if (!hasRow(info.kind, counts, r)) continue;
        KindAmount& k = s.kinds.emplace_back();
        k.kind = info.kind;
        k.count = counts.of(info.kind);
        k.parts = r.parts[indexOf(info.kind)];
        // net × parts ÷ the corrected base, for all heads, and for each.
        const Minor share = net * k.parts;
        k.exact = ratio(share, majorBase);
        k.perHeadExact = dividedByHeads(k.exact, k.count);
        k.perHead = roundedQuotient(share, Minor{r.finalBase} * k.count);
        k.amount = k.perHead * k.count;
        partsGiven += k.parts;
        paid += k.amount;
    }
    const Minor undistributed = net * (r.finalBase - partsGiven);
    s.undistributedExact = ratio(undistributed, majorBase);
    s.undistributed = roundedQuotient(undistributed, r.finalBase);
    s.roundingDifference = net - paid - s.undistributed;
    return s;
}

}  // namespace qismaru::estate
