#include "engine/kindred.h"

#include <cassert>
#include <numeric>

#include "engine/kindred_work.h"
#include "engine/whole_numbers.h"

namespace qismaru {

KindredWay kindredWayOf(const Positions& asked)
{
    const Positions positions = effectivePositions(asked);
    switch (positions.school) {
    case School::Hanafi:
        return positions.kindredMethod == KindredMethod::AbuYusuf ? KindredWay::ClassesByPersons
                                                                  : KindredWay::ClassesByRoots;
    case School::Hanbali: return KindredWay::PlacingAlike;
    default: return KindredWay::PlacingTwoToOne;
    }
}

namespace {

bool isSpouse(HeirKind kind) { return kind == HeirKind::Husband || kind == HeirKind::Wives; }

// The first entry who inherits as a sharer or a residuary, by kinship or
// wala, other than a spouse: beside him the distant kindred take nothing.
int firstBloodHeir(const Resolution& r)
{
    for (std::size_t i = 0; i < r.standings.size(); ++i) {
        const Standing& s = r.standings[i];
        const bool inherits = s.way == StandingWay::Inherits || s.way == StandingWay::CompletesTwoThirds;
        if (inherits && !(s.way == StandingWay::Inherits && isSpouse(s.capacity))) return static_cast<int>(i);
    }
    return -1;
}

// No heir at all beside the distant kindred: the heirs' division leaves the
// whole estate to them.
CaseComputation nothingForTheHeirs(const Positions& positions)
{
    CaseComputation c;
    CaseResult& r = c.result;
    r.base = r.adjustedBase = r.finalBase = 1;
    r.correction = r.shareScale = r.baseDivisor = r.returnFactor = r.spouseScale = 1.0;
    r.undistributedRemainder = true;
    c.positions = positions;
    return c;
}

Members kindredOf(const Resolution& r)
{
    Members kindred;
    for (std::size_t i = 0; i < r.standings.size(); ++i) {
        if (r.standings[i].way == StandingWay::Kindred) kindred.push_back(i);
    }
    return kindred;
}

// Every entry's part of the estate per head, and the least base on which
// all are whole; nothing past the exact range.
std::optional<KindredDivision> partsOf(const PathComputation& heirs, std::span<const RelativeEntry> entries,
                                       KindredWork& w, Fraction remainder)
{
    KindredDivision d{w.way, remainder, {}, 1};
    d.perHead.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool kindred = w.standings[i].way == StandingWay::Kindred;
        const Fraction perHead = kindred ? w.times(w.times(remainder, w.shares[i]), Fraction::of(1, entries[i].count))
                                         : shareOf(heirs, entries, i).perHead();
        d.perHead.push_back(perHead);
        const bool beyond = __builtin_mul_overflow(d.correctedBase / std::gcd(d.correctedBase, perHead.den),
                                                   perHead.den, &d.correctedBase);
        if (w.beyondRange || beyond || d.correctedBase > kMaxExactWhole) return std::nullopt;
    }
    return d;
}

// What a spouse beside them leaves, which they divide as if it were the
// whole estate; then each one's part of it.
void divideAmongKindred(PathComputation& out, std::span<const RelativeEntry> entries, KindredWork& w,
                        const Members& kindred)
{
    const CaseResult& heirs = out.computation.result;
    const KindCounts& counts = out.resolution.capacities.counts;
    std::optional<HeirKind> spouse;
    if (!counts.empty()) spouse = counts.has(HeirKind::Husband) ? HeirKind::Husband : HeirKind::Wives;
    const Fraction spouseShare = spouse ? Fraction::of(heirs.parts[indexOf(*spouse)], heirs.finalBase) : Fraction{};
    const Fraction remainder = Fraction::whole(1) - spouseShare;
    w.record([&] { return kindred_step::Inherit{spouse, remainder}; });
    if (w.way == KindredWay::PlacingAlike || w.way == KindredWay::PlacingTwoToOne) {
        divideByPlacing(w, kindred);
    } else {
        divideByClasses(w, kindred);
    }
    if (!w.refusal.empty()) {
        out.resolution.refusal = std::move(w.refusal);
        out.resolution.refusalCause = w.refusalCause;
        return;
    }
    [[maybe_unused]] Fraction all;
    for (const std::size_t i : kindred) {
        all = all + w.shares[i];
        if (w.shares[i].isZero() && out.resolution.standings[i].way == StandingWay::Kindred) {
            out.resolution.standings[i].way = StandingWay::Excluded;
        }
    }
    assert(w.beyondRange || all == Fraction::whole(1));
    out.kindred = partsOf(out, entries, w, remainder);
    if (!out.kindred) out.computation.outcome = CaseOutcome::BeyondExactRange;
}

}  // namespace

PathComputation computeWithKindred(std::span<const RelativeEntry> entries, Resolution resolution,
                                   const Positions& asked, DecisionTrace* trace, KindredTrace* kindredTrace)
{
    const Positions positions = effectivePositions(asked);
    const int heir = firstBloodHeir(resolution);
    const Capacities capacities = resolution.capacities;
    // Beside a sharer or residuary the heirs divide as they would without
    // the kindred; a spouse alone beside them takes the full share and no
    // return.
    Positions heirsPositions = asked;
    if (heir < 0) heirsPositions.spouseReturn = false;
    const bool anyHeir = !capacities.counts.empty();
    PathComputation out{std::move(resolution),
                        anyHeir ? computeCase(capacities, heirsPositions, trace) : nothingForTheHeirs(positions),
                        std::nullopt};
    if (heir < 0) out.computation.positions = positions;
    const Members kindred = kindredOf(out.resolution);
    KindredWork w{entries, out.resolution.standings, positions.school, kindredWayOf(positions), kindredTrace};
    if (heir >= 0 || positions.noReturn) {
        for (const std::size_t i : kindred) {
            out.resolution.standings[i] = {
                out.resolution.standings[i].kinship, StandingWay::Excluded, HeirKind::Sons, {}, heir};
        }
        if (heir >= 0) {
            w.record([&] { return kindred_step::HeirsFirst{static_cast<std::size_t>(heir)}; });
        } else {
            w.record([] { return kindred_step::ToTreasury{}; });
        }
        return out;
    }
    if (out.computation.outcome == CaseOutcome::Computed) divideAmongKindred(out, entries, w, kindred);
    return out;
}

}  // namespace qismaru
