#include "engine/path_case.h"

#include <algorithm>

#include "engine/kindred_work.h"
#include "engine/resolution_work.h"
#include "model/case_entry.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The relatives whose kind is theirs alone: the spouses, the parents, the
// brothers and sisters through the mother or the father only, and the
// nearest grandfather in the father's place.
void resolveNearest(ResolutionWork& work)
{
    int nearestGrandfather = 0;
    bool father = false;
    work.forEach(KinshipKind::Father, [&](std::size_t i) {
        const int up = work.kinship(i).up;
        father = father || up == 1;
        if (up >= 2 && (nearestGrandfather == 0 || up < nearestGrandfather)) nearestGrandfather = up;
    });
    for (std::size_t i = 0; i < work.size(); ++i) {
        const Kinship& r = work.kinship(i);
        switch (r.kind) {
        case KinshipKind::Husband: work.inherit(i, HeirKind::Husband); break;
        case KinshipKind::Wife: work.inherit(i, Wives); break;
        case KinshipKind::Mother: work.inherit(i, HeirKind::Mother); break;
        case KinshipKind::Father:
            if (r.up == 1)
                work.inherit(i, HeirKind::Father);
            else if (r.up == nearestGrandfather)
                work.inherit(i, HeirKind::Grandfather);
            else
                work.exclude(i, KindSet{father ? HeirKind::Father : Grandfather});
            break;
        case KinshipKind::EmancipatorsWoman: work.out.standings[i].way = StandingWay::NeverInherits; break;
        case KinshipKind::Sibling:
            if (r.strength == Strength::Uterine)
                work.inherit(i, UterineSiblings);
            else if (r.female)
                work.inherit(i, r.strength == Strength::Full ? FullSisters : ConsanguineSisters);
            break;
        default: break;
        }
    }
}

// One of 64 bits for a path, from its length and links.
int pathFilterBit(const RelativePath& path)
{
    std::uint32_t h = static_cast<std::uint32_t>(path.size());
    for (const Link link : path.links()) h = h * 31 + static_cast<std::uint32_t>(link);
    return static_cast<int>(h % 64);
}

}  // namespace

Resolution resolveRelatives(std::span<const RelativeEntry> entries, School school)
{
    Resolution resolution;
    resolution.standings.resize(entries.size());
    ResolutionWork work{entries, school, resolution};
    // Each entry's kinship, and whether it stands in a case at all. The same
    // path twice is caught by comparing the paths of the entries that share
    // a bit of a small filter, not every pair.
    std::uint64_t seen = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Kinship k = kinshipOf(entries[i].path);
        resolution.standings[i].kinship = k;
        work.present |= std::uint32_t{1} << static_cast<int>(k.kind);
        if (isDistantKindred(k, school)) {
            resolution.standings[i].way = StandingWay::Kindred;
            resolution.kindred = true;
        }
        const std::uint64_t bit = std::uint64_t{1} << pathFilterBit(entries[i].path);
        const bool repeated = (seen & bit) != 0 && pathGivenBefore(entries, i);
        seen |= bit;
        // The same path again is one relative given twice, unless labels
        // tell two lines apart: then it stands as any entry does.
        if (!entryStandsAlone(entries[i], k) || repeated) {
            if (std::string why = entryProblem(entries, i, k); !why.empty()) {
                resolution.refusal = std::move(why);
                resolution.refusalCause = PathRefusal::Entry;
                resolution.refusedEntry = static_cast<int>(i);
                return resolution;
            }
        }
    }
    if (work.any(KinshipKind::GrandmotherSide) && work.any(KinshipKind::Grandmother)) {
        resolution.refusal = grandmotherSidesProblem(true, true);
        resolution.refusalCause = PathRefusal::GrandmotherSides;
        return resolution;
    }
    resolveNearest(work);
    resolveGrandmothers(work);
    resolveDescendants(work);
    resolveAgnates(work);
    Capacities& c = resolution.capacities;
    c.uterineBrother = c.counts.has(UterineSiblings) && uterineSexGiven(entries) &&
                       std::any_of(entries.begin(), entries.end(),
                                   [](const auto& e) { return e.path == RelativePath{Link::UterineBrother}; });
    // "gm" keeps its own limits beside the father and the grandfather.
    if (work.any(KinshipKind::GrandmotherSide))
        work.refuse(PathRefusal::GrandmotherLimit, grandmotherLimitProblem(c.counts, school));
    if (c.counts.empty() && c.completingSixth == 0 && !resolution.kindred) {
        work.refuse(PathRefusal::NoOneInherits,
                    "no one entered inherits (a woman inherits the wala only from one she freed): the estate goes "
                    "to the distant kindred or the public treasury");
    }
    return resolution;
}

PathComputation computeCase(std::span<const RelativeEntry> entries, const Positions& positions, DecisionTrace* trace,
                            KindredTrace* kindredTrace)
{
    if (kindredTrace) kindredTrace->clear();
    Resolution resolution = resolveRelatives(entries, positions.school);
    if (!resolution.refusal.empty()) return {std::move(resolution), {}, std::nullopt};
    if (resolution.kindred) return computeWithKindred(entries, std::move(resolution), positions, trace, kindredTrace);
    const Capacities capacities = resolution.capacities;
    // Built in place: a computation is a large record.
    return {std::move(resolution), computeCase(capacities, positions, trace), std::nullopt};
}

RelativeShare shareOf(const PathComputation& p, std::span<const RelativeEntry> entries, std::size_t i)
{
    if (p.kindred) {
        // Every part is whole on the corrected base, which is their common denominator.
        const Fraction perHead = p.kindred->perHead[i];
        RelativeShare share;
        share.correctedBase = p.kindred->correctedBase;
        share.partsPerHead = perHead.num * (share.correctedBase / perHead.den);
        share.parts = share.partsPerHead * entries[i].count;
        return share;
    }
    const CaseResult& r = p.computation.result;
    const Standing& s = p.resolution.standings[i];
    std::int64_t kindParts = 0;
    std::int64_t heads = 1;
    if (s.way == StandingWay::Inherits) {
        kindParts = r.parts[indexOf(s.capacity)];
        heads = p.resolution.capacities.counts.of(s.capacity);
    } else if (s.way == StandingWay::CompletesTwoThirds) {
        kindParts = r.completingSixth.parts;
        heads = r.completingSixth.heads;
    }
    // Whole: the correction gives every head of a kind whole parts.
    RelativeShare share;
    share.partsPerHead = kindParts / heads;
    share.parts = share.partsPerHead * entries[i].count;
    share.correctedBase = r.finalBase;
    return share;
}

std::vector<RelativeShare> sharesOf(const PathComputation& p, std::span<const RelativeEntry> entries)
{
    std::vector<RelativeShare> shares;
    if (!p.divided()) return shares;
    shares.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) shares.push_back(shareOf(p, entries, i));
    return shares;
}

bool differsFromHanafi(std::span<const RelativeEntry> entries, const PathComputation& computation)
{
    if (computation.computation.positions == Positions{}) return false;
    const PathComputation hanafi = computeCase(entries, Positions{});
    if (hanafi.refused() != computation.refused()) return true;
    if (hanafi.computation.outcome != computation.computation.outcome) return true;
    if (!hanafi.divided()) return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!(shareOf(hanafi, entries, i).ofEstate() == shareOf(computation, entries, i).ofEstate())) return true;
    }
    return hanafi.computation.result.undistributedRemainder != computation.computation.result.undistributedRemainder;
}

}  // namespace qismaru
