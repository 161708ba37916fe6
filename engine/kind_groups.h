#pragma once

#include "model/heir_kind.h"
#include "model/kind_set.h"

namespace qismaru {

// The kinds that inherit only as residuaries, never by a fixed fraction: the
// sons and son's sons, the full and consanguine brothers, their sons, the
// uncles and the uncles' sons.
constexpr bool isMaleResiduary(HeirKind kind)
{
    switch (kind) {
    case HeirKind::Sons:
    case HeirKind::SonsSons:
    case HeirKind::FullBrothers:
    case HeirKind::ConsanguineBrothers:
    case HeirKind::FullBrothersSons:
    case HeirKind::ConsanguineBrothersSons:
    case HeirKind::FullUncles:
    case HeirKind::ConsanguineUncles:
    case HeirKind::FullUnclesSons:
    case HeirKind::ConsanguineUnclesSons: return true;
    default: return false;
    }
}

// The full and consanguine brothers and sisters: the siblings through the
// father, whom the grandfather excludes or shares with as the school holds,
// and whom the full siblings count against him.
inline constexpr KindSet kFullAndConsanguineSiblings{HeirKind::FullBrothers, HeirKind::FullSisters,
                                                     HeirKind::ConsanguineBrothers, HeirKind::ConsanguineSisters};

// Those the grandfather's division with the siblings decides: he and they.
inline constexpr KindSet kGrandfatherAndSiblings = kFullAndConsanguineSiblings | KindSet::of(HeirKind::Grandfather);

// Heads beside the grandfather, as the books count them: each male two and
// each female one when sisters are among `kinds`; without them one head each.
constexpr bool malesCountTwice(KindSet kinds)
{
    return kinds.has(HeirKind::FullSisters) || kinds.has(HeirKind::ConsanguineSisters);
}

// The husband or the wives and no one else: the spouse keeps only the
// spouse's fraction and the rest of the estate goes to no heir, so the parts
// fall short of the base and the percentages of 100.
constexpr bool spouseAlone(const KindCounts& counts)
{
    int kinds = 0;
    for (const std::int16_t n : counts.count) kinds += n > 0;
    return kinds == 1 && (counts.has(HeirKind::Husband) || counts.has(HeirKind::Wives));
}

// Whom a deceased heir of a kind can leave as a spouse: a man leaves no
// husband and a woman no wives. A uterine brother or sister is either (the
// user knows which), and may leave a husband or wives, never both.
enum class SpouseSide : std::uint8_t { Man, Woman, Either };

constexpr SpouseSide spouseSideOf(HeirKind kind)
{
    switch (kind) {
    case HeirKind::UterineSiblings: return SpouseSide::Either;
    case HeirKind::Father:
    case HeirKind::Grandfather:
    case HeirKind::Husband: return SpouseSide::Man;
    default: return isMaleResiduary(kind) ? SpouseSide::Man : SpouseSide::Woman;
    }
}

// Heirs of the two kinds are of different sexes, so they cannot be the same
// persons: a father is no daughter, a husband no wife. A uterine sibling may
// be either.
constexpr bool sexesDiffer(HeirKind a, HeirKind b)
{
    const SpouseSide x = spouseSideOf(a);
    const SpouseSide y = spouseSideOf(b);
    return x != SpouseSide::Either && y != SpouseSide::Either && x != y;
}

}  // namespace qismaru
