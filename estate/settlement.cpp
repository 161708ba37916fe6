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

namespace {

// The claims; false when the case has no table to divide the net by.
bool beginSettlement(Settlement& s, const EstateInputs& inputs, const CaseComputation& computation)
{
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    s.positions = computation.positions;
    if (computation.outcome != CaseOutcome::Computed) {
        s.division = computation.stopped() ? NetOutcome::NotDividedStopped : NetOutcome::NotDividedBeyondRange;
        return false;
    }
    s.finalBase = computation.result.finalBase;
    return true;
}

// What no heir takes once the heirs have `partsGiven` and were paid `paid`,
// the rest of a bequest taken from what a lone spouse leaves first where
// `legateeFirst`.
void closeSettlement(Settlement& s, bool legateeFirst, std::int64_t partsGiven, Minor paid)
{
    const Minor net = s.claims.net;
    // In minor units times the corrected base.
    Minor undistributed = net * (s.finalBase - partsGiven);
    if (s.claims.bequestCut() && legateeFirst) {
        const Minor asked = s.claims.bequestAsked - s.claims.bequestAllowed;
        const Minor whole = undistributed / s.finalBase;
        s.bequestFromRest = asked < whole ? asked : whole;
        undistributed -= s.bequestFromRest * s.finalBase;
    }
    static_cast<Leftover&>(s) =
        leftoverOf(net, paid + s.bequestFromRest, undistributed, s.finalBase, s.inputs.decimals);
}

}  // namespace

Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation)
{
    Settlement s;
    if (!beginSettlement(s, inputs, computation)) return s;
    const CaseResult& r = computation.result;
    std::int64_t partsGiven = 0;
    Minor paid = 0;
    s.kinds.reserve(kHeirKindCount);
    for (const HeirKindInfo& info : heirKinds()) {
        if (!hasRow(info.kind, counts, r)) continue;
        KindAmount& k = s.kinds.emplace_back();
        static_cast<HeadsAmount&>(k) =
            headsAmount(s.claims.net, r.parts[indexOf(info.kind)], r.finalBase, counts.of(info.kind), inputs.decimals);
        k.kind = info.kind;
        partsGiven += k.parts;
        paid += k.amount;
    }
    closeSettlement(s, legateeBeforeTreasury(s.positions, counts), partsGiven, paid);
    return s;
}

Settlement settleEstate(const EstateInputs& inputs, std::span<const RelativeEntry> entries,
                        const PathComputation& computation)
{
    Settlement s;
    if (!beginSettlement(s, inputs, computation.computation)) return s;
    if (computation.refused()) {
        s.division = NetOutcome::NotDividedStopped;
        return s;
    }
    // Beside distant kindred the computation above is the spouse's alone;
    // every relative's parts are counted in the base that holds theirs too.
    s.finalBase = computation.correctedBase();
    std::int64_t partsGiven = 0;
    Minor paid = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RelativeShare share = shareOf(computation, entries, i);
        if (share.parts == 0) continue;
        RelativeAmount& a = s.relatives.emplace_back();
        static_cast<HeadsAmount&>(a) =
            headsAmount(s.claims.net, share.parts, s.finalBase, entries[i].count, inputs.decimals);
        a.entry = i;
        partsGiven += a.parts;
        paid += a.amount;
    }
    // The distant kindred who inherit beside a lone spouse are heirs: what
    // she leaves is theirs, and the bequest beyond the third waits for their
    // consent. The legatee comes before the treasury only, never before them.
    const bool legateeFirst =
        !computation.kindred && legateeBeforeTreasury(s.positions, computation.resolution.capacities.counts);
    closeSettlement(s, legateeFirst, partsGiven, paid);
    return s;
}

}  // namespace qismaru::estate
