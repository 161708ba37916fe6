#include "estate/settlement.h"

#include "engine/kind_groups.h"

namespace qismaru::estate {

bool hasRow(HeirKind kind, const KindCounts& counts, const CaseResult& result)
{
    const ShareResult& share = result[kind];
    return counts.has(kind) && (share.isFraction() || share.isResiduary());
}

bool legateeBeforeTreasury(const Positions& positions, const KindCounts& counts)
{
    const bool school = positions.school == School::Hanafi || positions.school == School::Hanbali;
    return school && !positions.spouseReturn && spouseAlone(counts);
}

HeadsAmount headsAmount(Minor net, std::int64_t parts, std::int64_t base, int count, int decimals)
{
    // The major unit's exact amounts are over the base times the minor units
    // in a major one (below 2^63); the money is in minor units, each head's
    // cut down (all are positive), so that the heirs together never receive
    // more than the net.
    const auto majorBase = static_cast<std::uint64_t>(base) * minorPerMajor(decimals);
    HeadsAmount a;
    a.count = count;
    a.parts = parts;
    const Minor share = net * parts;
    a.exact = ratio(share, majorBase);
    a.perHeadExact = dividedByHeads(a.exact, count);
    a.perHead = cutDown(share, Minor{base} * count);
    a.amount = a.perHead * count;
    return a;
}

Leftover leftoverOf(Minor net, Minor paid, Minor undistributed, std::int64_t base, int decimals)
{
    Leftover l;
    l.undistributedExact = ratio(undistributed, static_cast<std::uint64_t>(base) * minorPerMajor(decimals));
    l.undistributed = cutDown(undistributed, base);
    l.roundingDifference = net - paid - l.undistributed;
    return l;
}

Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation)
{
    Settlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    s.positions = computation.positions;
    if (computation.outcome != CaseOutcome::Computed) {
        s.division = computation.stopped() ? Division::NotDividedStopped : Division::NotDividedBeyondRange;
        return s;
    }
    const CaseResult& r = computation.result;
    const Minor net = s.claims.net;
    s.finalBase = r.finalBase;

    std::int64_t partsGiven = 0;
    Minor paid = 0;
    s.kinds.reserve(kHeirKindCount);
    for (const HeirKindInfo& info : heirKinds()) {
        if (!hasRow(info.kind, counts, r)) continue;
        KindAmount& k = s.kinds.emplace_back();
        static_cast<HeadsAmount&>(k) =
            headsAmount(net, r.parts[indexOf(info.kind)], r.finalBase, counts.of(info.kind), inputs.decimals);
        k.kind = info.kind;
        partsGiven += k.parts;
        paid += k.amount;
    }
    // What no heir takes, in minor units times the corrected base.
    Minor undistributed = net * (r.finalBase - partsGiven);
    if (s.claims.bequestCut() && legateeBeforeTreasury(s.positions, counts)) {
        const Minor asked = s.claims.bequestAsked - s.claims.bequestAllowed;
        const Minor whole = undistributed / r.finalBase;
        s.bequestFromRest = asked < whole ? asked : whole;
        undistributed -= s.bequestFromRest * r.finalBase;
    }
    static_cast<Leftover&>(s) = leftoverOf(net, paid + s.bequestFromRest, undistributed, r.finalBase, inputs.decimals);
    return s;
}

}  // namespace qismaru::estate
