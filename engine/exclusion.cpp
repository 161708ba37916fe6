#include "engine/exclusion.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The entered kinds and the groups of them that the rules name.
struct Presence {
    explicit Presence(const KindCounts& c)
        : entered(KindSet::enteredIn(c)),
          maleDescendants(entered & KindSet{Sons, SonsSons}),
          femaleDescendants(entered & KindSet{Daughters, SonsDaughters}),
          ascendants(entered & KindSet{Father, Grandfather})
    {
    }

    KindSet only(HeirKind kind) const { return entered & KindSet{kind}; }

    const KindSet entered;
    const KindSet maleDescendants;
    const KindSet femaleDescendants;
    const KindSet ascendants;  // the father and the grandfather
};

// The chain of the remote male residuaries: each kind is excluded by
// everything that excludes the one before it, and by that kind itself.
KindSet excludersInAgnateChain(HeirKind kind, const Presence& p, KindSet siblingsBlockers)
{
    // A full or consanguine sister who takes the remainder beside female
    // descendants stands in a brother's place and excludes all below her.
    const KindSet sistersTakingRemainder =
        p.femaleDescendants.empty() ? KindSet{} : p.entered & KindSet{FullSisters, ConsanguineSisters};

    KindSet excluders = siblingsBlockers | p.only(FullBrothers) | p.only(ConsanguineBrothers) | sistersTakingRemainder;
    constexpr HeirKind chain[] = {FullBrothersSons, ConsanguineBrothersSons, FullUncles,
                                  ConsanguineUncles, FullUnclesSons, ConsanguineUnclesSons};
    for (const HeirKind link : chain) {
        if (link == kind) return excluders;
        excluders = excluders | p.only(link);
    }
    return {};
}

}  // namespace

KindSet excludersOf(HeirKind kind, const KindCounts& c, const CountSums& s)
{
    const Presence p(c);
    // The father, the grandfather and any male descendant exclude every
    // brother and sister; the grandfather never shares with them.
    const KindSet siblingsBlockers = p.maleDescendants | p.ascendants;
    const KindSet fullSisterBesideDaughters = p.femaleDescendants.empty() ? KindSet{} : p.only(FullSisters);
    const KindSet consanguineBrothersBlockers = siblingsBlockers | p.only(FullBrothers) | fullSisterBesideDaughters;

    switch (kind) {
    case Sons:
    case Daughters:
    case Mother:
    case Father:
    case Husband:
    case Wives: return {};
    case Grandfather: return p.only(Father);
    case Grandmothers: return p.only(Mother);  // the father does not exclude them
    case SonsSons: return p.only(Sons);
    case SonsDaughters: {
        // Two daughters take the two thirds; only a son's son lifts his sisters back.
        const bool twoThirdsTaken = !c.has(SonsSons) && c.of(Daughters) >= 2;
        return p.only(Sons) | (twoThirdsTaken ? p.only(Daughters) : KindSet{});
    }
    case UterineSiblings:
        // Any descendant, a daughter too, and the father or the grandfather.
        return p.ascendants | p.maleDescendants | p.femaleDescendants;
    case FullBrothers:
    case FullSisters: return siblingsBlockers;
    case ConsanguineBrothers: return consanguineBrothersBlockers;
    case ConsanguineSisters: {
        // Two full sisters take the two thirds, unless a consanguine brother
        // makes his sisters residuaries with him.
        const bool twoThirdsTaken = !c.has(ConsanguineBrothers) && s.femaleDescendants == 0 && c.of(FullSisters) >= 2;
        return consanguineBrothersBlockers | (twoThirdsTaken ? p.only(FullSisters) : KindSet{});
    }
    case FullBrothersSons:
    case ConsanguineBrothersSons:
    case FullUncles:
    case ConsanguineUncles:
    case FullUnclesSons:
    case ConsanguineUnclesSons: return excludersInAgnateChain(kind, p, siblingsBlockers);
    }
    return {};
}

bool isExcluded(HeirKind kind, const KindCounts& counts) { return isExcluded(kind, counts, sumCounts(counts)); }

bool isExcluded(HeirKind kind, const KindCounts& counts, const CountSums& sums)
{
    return !excludersOf(kind, counts, sums).empty();
}

KindSet inheritingExcludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums)
{
    KindSet inheriting;
    excludersOf(kind, counts, sums).forEach([&](HeirKind excluder) {
        if (!isExcluded(excluder, counts, sums)) inheriting.add(excluder);
    });
    return inheriting;
}

}  // namespace qismaru
