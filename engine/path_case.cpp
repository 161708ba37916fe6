#include "engine/path_case.h"

#include <algorithm>

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
    work.forEach(KinshipKind::Father, [&](std::size_t i) {
        const int up = work.kinships[i].up;
        if (up >= 2 && (nearestGrandfather == 0 || up < nearestGrandfather)) nearestGrandfather = up;
    });
    const bool father = std::any_of(work.kinships.begin(), work.kinships.end(),
                                    [](const Kinship& r) { return r.kind == KinshipKind::Father && r.up == 1; });
    for (std::size_t i = 0; i < work.size(); ++i) {
        const Kinship& r = work.kinships[i];
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

std::vector<RelativeShare> sharesOf(std::span<const RelativeEntry> entries, const Resolution& resolution,
                                    const CaseResult& r)
{
    std::vector<RelativeShare> shares(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Standing& s = resolution.standings[i];
        std::int64_t kindParts = 0;
        std::int64_t heads = 1;
        if (s.way == StandingWay::Inherits) {
            kindParts = r.parts[indexOf(s.capacity)];
            heads = resolution.capacities.counts.of(s.capacity);
        } else if (s.way == StandingWay::CompletesTwoThirds) {
            kindParts = r.completingSixth.parts;
            heads = r.completingSixth.heads;
        }
        // Whole: the correction gives every head of a kind whole parts.
        RelativeShare& share = shares[i];
        share.partsPerHead = kindParts / heads;
        share.parts = share.partsPerHead * entries[i].count;
        share.ofEstate = Fraction::of(share.parts, r.finalBase);
        share.perHead = Fraction::of(share.partsPerHead, r.finalBase);
    }
    return shares;
}

}  // namespace

Resolution resolveRelatives(std::span<const RelativeEntry> entries, School school)
{
    Resolution resolution;
    resolution.refusal = relativesProblem(entries);
    if (!resolution.refusal.empty()) return resolution;
    resolution.standings.resize(entries.size());
    ResolutionWork work{entries, {}, school, resolution};
    work.kinships.reserve(entries.size());
    for (const RelativeEntry& e : entries) work.kinships.push_back(kinshipOf(e.path));
    resolveNearest(work);
    resolveGrandmothers(work);
    resolveDescendants(work);
    resolveAgnates(work);
    Capacities& c = resolution.capacities;
    c.uterineBrother = uterineSexGiven(entries) && std::any_of(entries.begin(), entries.end(), [](const auto& e) {
                           return e.path == RelativePath{Link::UterineBrother};
                       });
    // "gm" keeps its own limits beside the father and the grandfather.
    if (c.counts.has(Grandmothers)) work.refuse(grandmotherLimitProblem(c.counts, school));
    if (c.counts.empty() && c.completingSixth == 0) {
        work.refuse(
            "no one entered inherits (a woman inherits the wala only from one she freed): the estate goes "
            "to the distant kindred or the public treasury");
    }
    return resolution;
}

PathComputation computeCase(std::span<const RelativeEntry> entries, const Positions& positions, StepTrace* trace)
{
    PathComputation p;
    p.resolution = resolveRelatives(entries, positions.school);
    if (p.refused()) return p;
    p.computation = computeCase(p.resolution.capacities, positions, trace);
    if (p.computation.outcome == CaseOutcome::Computed) {
        p.shares = sharesOf(entries, p.resolution, p.computation.result);
    }
    return p;
}

bool differsFromHanafi(std::span<const RelativeEntry> entries, const PathComputation& computation)
{
    if (computation.computation.positions == Positions{}) return false;
    const PathComputation hanafi = computeCase(entries, Positions{});
    if (hanafi.refused() != computation.refused()) return true;
    if (hanafi.computation.outcome != computation.computation.outcome) return true;
    if (hanafi.shares.size() != computation.shares.size()) return true;
    for (std::size_t i = 0; i < hanafi.shares.size(); ++i) {
        if (!(hanafi.shares[i].ofEstate == computation.shares[i].ofEstate)) return true;
    }
    return hanafi.computation.result.undistributedRemainder != computation.computation.result.undistributedRemainder;
}

}  // namespace qismaru
