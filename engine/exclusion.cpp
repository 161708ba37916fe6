#include "engine/exclusion.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The chain of the remote male residuaries: each kind is excluded by
// everything that excludes the one before it, and by that kind itself.
bool excludedInAgnateChain(HeirKind kind, const KindCounts& c, const CountSums& s)
{
    const bool maleDescendants = s.maleDescendants > 0;
    const bool femaleDescendants = s.femaleDescendants > 0;
    // A full or consanguine sister who takes the remainder beside female
    // descendants stands in a brother's place and excludes all below her.
    const bool sisterTakesRemainder =
        femaleDescendants && c.of(FullSisters) + c.of(ConsanguineSisters) > 0;

    bool excluded = maleDescendants || c.has(Father) || c.has(Grandfather) || c.has(FullBrothers) ||
                    c.has(ConsanguineBrothers) || sisterTakesRemainder;
    constexpr HeirKind chain[] = {FullBrothersSons, ConsanguineBrothersSons, FullUncles,
                                  ConsanguineUncles, FullUnclesSons, ConsanguineUnclesSons};
    for (const HeirKind link : chain) {
        if (link == kind) return excluded;
        excluded = excluded || c.has(link);
    }
    return false;
}

}  // namespace

bool isExcluded(HeirKind kind, const KindCounts& counts) { return isExcluded(kind, counts, sumCounts(counts)); }

bool isExcluded(HeirKind kind, const KindCounts& c, const CountSums& s)
{
    const bool father = c.has(Father);
    const bool grandfather = c.has(Grandfather);
    const bool femaleDescendants = s.femaleDescendants > 0;
    // The father, the grandfather and any male descendant exclude every
    // brother and sister; the grandfather never shares with them.
    const bool siblingsBlocked = s.maleDescendants > 0 || father || grandfather;
    const bool consanguineBrothersBlocked =
        siblingsBlocked || c.has(FullBrothers) || (femaleDescendants && c.has(FullSisters));

    switch (kind) {
    case Sons:
    case Daughters:
    case Mother:
    case Father:
    case Husband:
    case Wives: return false;
    case Grandfather: return father;
    case Grandmothers: return c.has(Mother);  // the father does not exclude them
    case SonsSons: return c.has(Sons);
    case SonsDaughters:
        // Two daughters take the two thirds; only a son's son lifts his sisters back.
        return c.has(Sons) || (!c.has(SonsSons) && c.of(Daughters) >= 2);
    case UterineSiblings: return father || grandfather || s.descendants > 0;
    case FullBrothers:
    case FullSisters: return siblingsBlocked;
    case ConsanguineBrothers: return consanguineBrothersBlocked;
    case ConsanguineSisters:
        // Two full sisters take the two thirds, unless a consanguine brother
        // makes his sisters residuaries with him.
        return consanguineBrothersBlocked ||
               (!c.has(ConsanguineBrothers) && !femaleDescendants && c.of(FullSisters) >= 2);
    case FullBrothersSons:
    case ConsanguineBrothersSons:
    case FullUncles:
    case ConsanguineUncles:
    case FullUnclesSons:
    case ConsanguineUnclesSons: return excludedInAgnateChain(kind, c, s);
    }
    return false;
}

}  // namespace qismaru
