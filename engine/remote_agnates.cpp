#include <algorithm>
#include <optional>
#include <tuple>

#include "engine/resolution_work.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The order of the residuaries by themselves: direction, then degree, then
// strength (الجهة ثم القرب ثم القوة), kinsmen first and the wala after
// them. Directions: the emancipator himself, sons, fathers, then the brothers
// of the deceased, of his father, of his grandfather, ... with their sons.
struct AgnateRank {
    int hops = 0;  // 0 for kinsmen; the emancipator's and his agnates' after every one of them
    int direction = 0;
    int degree = 0;
    int strength = 0;  // full before consanguine

    auto key() const { return std::tie(hops, direction, degree, strength); }
    bool operator<(const AgnateRank& other) const { return key() < other.key(); }
    bool operator==(const AgnateRank& other) const { return key() == other.key(); }
};

constexpr int kBrothersDirection = 3;

std::optional<AgnateRank> rankOf(const Kinship& r)
{
    const int strength = r.strength == Strength::Consanguine ? 1 : 0;
    const bool collateralKin = (r.kind == KinshipKind::Sibling && r.isAgnateBySelf()) || r.kind == KinshipKind::Agnate;
    if (collateralKin) return AgnateRank{0, kBrothersDirection + r.up, 1 + r.down, strength};
    if (r.kind == KinshipKind::Emancipator) return AgnateRank{r.hops, 0, 0, 0};
    if (r.kind != KinshipKind::EmancipatorsAgnate) return std::nullopt;
    if (r.across) return AgnateRank{r.hops, kBrothersDirection + r.up, 1 + r.down, strength};
    return r.up == 0 ? AgnateRank{r.hops, 1, r.down, 0} : AgnateRank{r.hops, 2, r.up, 0};
}

// The agnates the 21 kinds name keep their own kinds; the rules of those
// kinds already order them.
std::optional<HeirKind> ownKind(const Kinship& r)
{
    const bool consanguine = r.strength == Strength::Consanguine;
    if (r.kind == KinshipKind::Sibling) return consanguine ? ConsanguineBrothers : FullBrothers;
    if (r.kind != KinshipKind::Agnate || r.up > 1 || r.down > 1 || (r.up == 0 && r.down == 0)) return std::nullopt;
    if (r.up == 0) return consanguine ? ConsanguineBrothersSons : FullBrothersSons;
    if (r.down == 0) return consanguine ? ConsanguineUncles : FullUncles;
    return consanguine ? ConsanguineUnclesSons : FullUnclesSons;
}

// The emancipator's grandfather beside his brothers or their sons: Abu
// Hanifa gives the wala to the grandfather, as he gives the grandfather the
// brothers' place in kinship; the other schools' books differ on it.
bool walaDisputed(const ResolutionWork& work, const AgnateRank& best)
{
    if (best.hops == 0 || work.school == School::Hanafi) return false;
    bool grandfather = false;
    bool brothers = false;
    work.forEach(KinshipKind::EmancipatorsAgnate, [&](std::size_t i) {
        const Kinship& r = work.kinships[i];
        if (r.hops != best.hops) return;
        grandfather = grandfather || (!r.across && r.up >= 2);
        brothers = brothers || (r.across && r.up == 0);
    });
    return grandfather && brothers && (best.direction == 2 || best.direction == kBrothersDirection);
}

}  // namespace

// The brothers, the nephews and uncles and their sons to any depth, and the
// emancipator and his agnates. Of the remote ones only the nearest can
// inherit: he takes the place of the first of the remote agnates of the 21
// kinds (the full brother's son), whose rules keep him out wherever a nearer
// heir does, and every one ranked below him is out.
void resolveAgnates(ResolutionWork& work)
{
    std::optional<AgnateRank> best;
    int bestEntry = -1;
    for (std::size_t i = 0; i < work.size(); ++i) {
        const std::optional<AgnateRank> rank = rankOf(work.kinships[i]);
        if (rank && (!best || *rank < *best)) best = rank, bestEntry = static_cast<int>(i);
    }
    if (!best) return;
    if (walaDisputed(work, *best)) {
        work.refuse(
            "the emancipator's grandfather beside his brothers or their sons: who takes the wala is "
            "disputed in the " +
            std::string(schoolInfo(work.school).key) +
            " school (Abu Hanifa: the grandfather); give one of them, or answer by the hanafi school");
    }
    const bool remoteBest = !ownKind(work.kinships[static_cast<std::size_t>(bestEntry)]);
    for (std::size_t i = 0; i < work.size(); ++i) {
        const Kinship& r = work.kinships[i];
        const std::optional<AgnateRank> rank = rankOf(r);
        if (!rank) continue;
        if (const std::optional<HeirKind> kind = ownKind(r)) {
            work.inherit(i, *kind);
        } else if (remoteBest && *rank == *best) {
            work.inherit(i, FullBrothersSons);
        } else {
            work.exclude(i, {}, bestEntry);
        }
    }
}

}  // namespace qismaru
