#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/resolution_work.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The order of the residuaries by themselves: direction, then degree, then
// strength (الجهة ثم القرب ثم القوة), kinsmen first and the wala after
// them, as one key, lower first. Directions: the emancipator himself, sons,
// fathers, then the brothers of the deceased, of his father, of his
// grandfather, ... with their sons. A path has fewer than 128 links, so
// each measure fits its byte.
using AgnateRank = std::uint32_t;
constexpr AgnateRank kNoRank = ~AgnateRank{0};

constexpr AgnateRank rank(int hops, int direction, int degree, int strength)
{
    return static_cast<AgnateRank>(hops) << 24 | static_cast<AgnateRank>(direction) << 16 |
           static_cast<AgnateRank>(degree) << 8 | static_cast<AgnateRank>(strength);
}
constexpr int hopsOf(AgnateRank r) { return static_cast<int>(r >> 24); }
constexpr int directionOf(AgnateRank r) { return static_cast<int>(r >> 16 & 0xff); }

constexpr int kFathersDirection = 2;
constexpr int kBrothersDirection = 3;

[[gnu::always_inline]] inline AgnateRank rankOf(const Kinship& r)
{
    const int strength = r.strength == Strength::Consanguine ? 1 : 0;
    switch (r.kind) {
    case KinshipKind::Sibling:
        if (!r.isAgnateBySelf()) return kNoRank;
        [[fallthrough]];
    case KinshipKind::Agnate: return rank(0, kBrothersDirection + r.up, 1 + r.down, strength);
    case KinshipKind::Emancipator: return rank(r.hops, 0, 0, 0);
    case KinshipKind::EmancipatorsAgnate:
        if (r.across) return rank(r.hops, kBrothersDirection + r.up, 1 + r.down, strength);
        return r.up == 0 ? rank(r.hops, 1, r.down, 0) : rank(r.hops, kFathersDirection, r.up, 0);
    default: return kNoRank;
    }
}

// The agnates the 21 kinds name keep their own kinds; the rules of those
// kinds already order them.
[[gnu::always_inline]] inline std::optional<HeirKind> ownKind(const Kinship& r)
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
bool walaDisputed(const ResolutionWork& work, AgnateRank best)
{
    if (hopsOf(best) == 0 || work.school == School::Hanafi) return false;
    bool grandfather = false;
    bool brothers = false;
    work.forEach(KinshipKind::EmancipatorsAgnate, [&](std::size_t i) {
        const Kinship& r = work.kinship(i);
        if (r.hops != hopsOf(best)) return;
        grandfather = grandfather || (!r.across && r.up >= 2);
        brothers = brothers || (r.across && r.up == 0);
    });
    return grandfather && brothers &&
           (directionOf(best) == kFathersDirection || directionOf(best) == kBrothersDirection);
}

}  // namespace

// The brothers, the nephews and uncles and their sons to any depth, and the
// emancipator and his agnates. Of the remote ones only the nearest can
// inherit: he takes the place of the first of the remote agnates of the 21
// kinds (the full brother's son), whose rules keep him out wherever a nearer
// heir does, and every one ranked below him is out.
void resolveAgnates(ResolutionWork& work)
{
    constexpr KinshipKind kAgnates[] = {KinshipKind::Sibling, KinshipKind::Agnate, KinshipKind::Emancipator,
                                        KinshipKind::EmancipatorsAgnate};
    if (std::none_of(std::begin(kAgnates), std::end(kAgnates), [&](KinshipKind k) { return work.any(k); })) return;
    AgnateRank best = kNoRank;
    int bestEntry = -1;
    bool remote = false;
    bool remoteBest = false;
    // Each entry's rank once; a case of more entries than this ranks them again.
    std::array<AgnateRank, 32> ranks;
    const auto rankAt = [&](std::size_t i) { return i < ranks.size() ? ranks[i] : rankOf(work.kinship(i)); };
    for (std::size_t i = 0; i < work.size(); ++i) {
        const AgnateRank r = rankOf(work.kinship(i));
        if (i < ranks.size()) ranks[i] = r;
        if (r == kNoRank) continue;
        const std::optional<HeirKind> kind = ownKind(work.kinship(i));
        if (kind) work.inherit(i, *kind);
        remote = remote || !kind;
        if (r < best) best = r, bestEntry = static_cast<int>(i), remoteBest = !kind;
    }
    if (!remote) return;
    if (walaDisputed(work, best)) {
        work.refuse(PathRefusal::WalaDisputed,
                    "the emancipator's grandfather beside his brothers or their sons: who takes the wala is "
                    "disputed in the " +
                        std::string(schoolInfo(work.school).key) +
                        " school (Abu Hanifa: the grandfather); give one of them, or answer by the hanafi school");
    }
    for (std::size_t i = 0; i < work.size(); ++i) {
        const AgnateRank r = rankAt(i);
        if (r == kNoRank || ownKind(work.kinship(i))) continue;
        if (remoteBest && r == best) {
            work.inherit(i, FullBrothersSons);
        } else {
            work.exclude(i, {}, bestEntry);
        }
    }
}

}  // namespace qismaru
