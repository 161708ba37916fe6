#include "estate/waiting_settlement.h"

namespace qismaru::estate {

namespace {

// net × f in minor units, cut down, and exactly in the major unit.
Minor cutShare(Minor net, const Fraction& f) { return cutDown(net * f.num, Minor{f.den}); }

Ratio exactShare(Minor net, const Fraction& f, int decimals)
{
    return ratio(net * f.num, static_cast<std::uint64_t>(f.den) * minorPerMajor(decimals));
}

ClaimantsAmounts amountsOf(Minor net, const std::vector<Claimant>& claimants, const std::vector<Fraction>& shares,
                           const Fraction& noHeir, int decimals)
{
    ClaimantsAmounts a;
    a.claimants.reserve(claimants.size());
    for (std::size_t i = 0; i < claimants.size(); ++i) {
        const HeadsAmount& heads =
            a.claimants.emplace_back(headsAmount(net, shares[i].num, shares[i].den, headsOf(claimants[i]), decimals));
        a.paid += heads.amount;
    }
    a.undistributedExact = exactShare(net, noHeir, decimals);
    a.undistributed = cutShare(net, noHeir);
    return a;
}

}  // namespace

int headsOf(const Claimant& claimant)
{
    const bool oneHead = claimant.role == ClaimantRole::Unborn || claimant.role == ClaimantRole::Unclear;
    return oneHead ? 1 : claimant.count;
}

OutcomeAmounts outcomeAmounts(const WaitingSettlement& s, const WaitingDivision& division,
                              const std::vector<Fraction>& shares, const Fraction& noHeir)
{
    const Minor net = s.claims.net;
    OutcomeAmounts o;
    static_cast<ClaimantsAmounts&>(o) = amountsOf(net, division.claimants, shares, noHeir, s.inputs.decimals);
    o.roundingDifference = net - o.paid - o.undistributed;
    o.fromReserve.reserve(o.claimants.size());
    for (std::size_t i = 0; i < o.claimants.size(); ++i)
        o.fromReserve.push_back(o.claimants[i].amount - s.given.claimants[i].amount);
    o.toNoHeirFromReserve = o.undistributed - s.given.undistributed;
    return o;
}

WaitingSettlement settleWaiting(const EstateInputs& inputs, const WaitingDivision& division)
{
    WaitingSettlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    if (division.refused()) return s;
    s.divided = true;
    const Minor net = s.claims.net;
    s.given = amountsOf(net, division.claimants, division.given, division.noHeir, inputs.decimals);
    s.reserveExact = exactShare(net, division.reserve, inputs.decimals);
    s.reserve = cutShare(net, division.reserve);
    s.given.roundingDifference = net - s.given.paid - s.given.undistributed - s.reserve;
    if (division.atOnce()) {
        for (const Estimate& e : division.outcomes.front().estimates)
            s.outcomes.push_back(outcomeAmounts(s, division, e.shares, e.noHeir));
    } else {
        for (const WaitingOutcome& o : division.outcomes)
            s.outcomes.push_back(outcomeAmounts(s, division, o.shares, o.noHeir));
    }
    return s;
}

}  // namespace qismaru::estate
