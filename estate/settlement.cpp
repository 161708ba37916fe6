#include "estate/settlement.h"

namespace qismaru::estate {

namespace {

mpz_class wide(std::int64_t n) { return mpz_class(static_cast<long>(n)); }

// n/d in lowest terms: GMP leaves a rational built from two integers as it is.
mpq_class ratio(const mpz_class& n, const mpz_class& d)
{
    mpq_class q(n, d);
    q.canonicalize();
    return q;
}

}  // namespace

bool hasRow(HeirKind kind, const KindCounts& counts, const CaseResult& result)
{
    const ShareResult& share = result[kind];
    return counts.has(kind) && (share.isFraction() || share.isResiduary());
}

Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation)
{
    static_assert(sizeof(long) == sizeof(std::int64_t), "GMP's long holds a 64-bit part count");
    Settlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    if (computation.outcome != CaseOutcome::Computed) {
        s.division = computation.stopped() ? Division::NotDividedStopped : Division::NotDividedBeyondRange;
        return s;
    }
    const CaseResult& r = computation.result;
    const Minor& net = s.claims.net;
    const Minor scale = minorPerMajor(inputs.decimals);
    const mpz_class finalBase = wide(r.finalBase);
    s.finalBase = r.finalBase;

    mpz_class partsGiven = 0;
    Minor paid = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!hasRow(info.kind, counts, r)) continue;
        KindAmount k;
        k.kind = info.kind;
        k.count = counts.of(info.kind);
        k.parts = r.parts[indexOf(info.kind)];
        const mpq_class exactMinor = ratio(net * wide(k.parts), finalBase);
        const mpq_class perHeadMinor(exactMinor / k.count);
        k.exact = exactMinor / scale;
        k.perHeadExact = perHeadMinor / scale;
        k.perHead = roundedHalfEven(perHeadMinor);
        k.amount = k.perHead * k.count;
        partsGiven += wide(k.parts);
        paid += k.amount;
        s.kinds.push_back(std::move(k));
    }
    const mpq_class undistributedMinor = ratio(net * (finalBase - partsGiven), finalBase);
    s.undistributedExact = undistributedMinor / scale;
    s.undistributed = roundedHalfEven(undistributedMinor);
    s.roundingDifference = net - paid - s.undistributed;
    return s;
}

}  // namespace qismaru::estate
