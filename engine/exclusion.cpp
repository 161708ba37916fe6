#include "engine/exclusion.h"

#include "engine/kind_groups.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The entered kinds that the rules name, alone or in groups.
class Presence {
public:
    explicit Presence(const KindCounts& c) : c_(c) {}

    KindSet only(HeirKind kind) const { return KindSet::ifEntered(kind, c_); }
    KindSet maleDescendants() const { return only(Sons) | only(SonsSons); }
    KindSet femaleDescendants() const { return only(Daughters) | only(SonsDaughters); }
    KindSet ascendants() const { return only(Father) | only(Grandfather); }

private:
    const KindCounts& c_;
};

// The chain of the remote male residuaries: each kind is excluded by
// everything that excludes the one before it, and by that kind itself. A full
// or consanguine sister who takes the remainder beside female descendants
// stands in a brother's place and excludes all below her.
template <typename SiblingsBlocked, typename Found>
void applyRemoteChainRules(HeirKind kind, const Presence& p, const CountSums& s, SiblingsBlocked& siblingsBlocked,
                           Found& found)
{
    if (siblingsBlocked() || found(p.only(FullBrothers)) || found(p.only(ConsanguineBrothers))) return;
    if (s.femaleDescendants > 0 && found(p.only(FullSisters) | p.only(ConsanguineSisters))) return;
    constexpr HeirKind chain[] = {FullBrothersSons,  ConsanguineBrothersSons, FullUncles,
                                  ConsanguineUncles, FullUnclesSons,          ConsanguineUnclesSons};
    for (const HeirKind link : chain) {
        if (link == kind || found(p.only(link))) return;
    }
}

// The rules of exclusion, written once for the two questions asked of them:
// which entered kinds exclude `kind` (all of them, for the solution), and
// whether any does (the first one found is enough, and every computation
// asks). Each rule hands `found` the kinds it names; `found` returns true
// once nothing more is needed, and the rules stop there.
template <typename Found>
void applyExclusionRules(HeirKind kind, const KindCounts& c, const CountSums& s, Found&& found)
{
    const Presence p(c);
    // The father, the grandfather and any male descendant exclude every
    // brother and sister; the grandfather never shares with them.
    const auto siblingsBlocked = [&] { return found(p.maleDescendants()) || found(p.ascendants()); };
    // A full sister beside female descendants takes the remainder and keeps
    // the consanguine brothers and sisters out, as a full brother does.
    const auto consanguineBrothersBlocked = [&] {
        return siblingsBlocked() || found(p.only(FullBrothers)) ||
               (s.femaleDescendants > 0 && found(p.only(FullSisters)));
    };

    switch (kind) {
    case Sons:
    case Daughters:
    case Mother:
    case Father:
    case Husband:
    case Wives: return;
    case Grandfather: found(p.only(Father)); return;
    case Grandmothers: found(p.only(Mother)); return;  // the father does not exclude them
    case SonsSons: found(p.only(Sons)); return;
    case SonsDaughters:
        // Two daughters take the two thirds; only a son's son lifts his sisters back.
        if (found(p.only(Sons))) return;
        if (!c.has(SonsSons) && c.of(Daughters) >= 2) found(p.only(Daughters));
        return;
    case UterineSiblings:
        // Any descendant, a daughter too, and the father or the grandfather.
        if (!found(p.ascendants()) && !found(p.maleDescendants())) found(p.femaleDescendants());
        return;
    case FullBrothers:
    case FullSisters: siblingsBlocked(); return;
    case ConsanguineBrothers: consanguineBrothersBlocked(); return;
    case ConsanguineSisters:
        // Two full sisters take the two thirds, unless a consanguine brother
        // makes his sisters residuaries with him.
        if (consanguineBrothersBlocked()) return;
        if (!c.has(ConsanguineBrothers) && s.femaleDescendants == 0 && c.of(FullSisters) >= 2) {
            found(p.only(FullSisters));
        }
        return;
    case FullBrothersSons:
    case ConsanguineBrothersSons:
    case FullUncles:
    case ConsanguineUncles:
    case FullUnclesSons:
    case ConsanguineUnclesSons: applyRemoteChainRules(kind, p, s, siblingsBlocked, found); return;
    }
}

}  // namespace

KindSet excludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums)
{
    KindSet excluders;
    applyExclusionRules(kind, counts, sums, [&](KindSet named) {
        excluders = excluders | named;
        return false;
    });
    return excluders;
}

bool isExcluded(HeirKind kind, const KindCounts& counts) { return isExcluded(kind, counts, sumCounts(counts)); }

bool isExcluded(HeirKind kind, const KindCounts& counts, const CountSums& sums)
{
    bool excluded = false;
    applyExclusionRules(kind, counts, sums, [&](KindSet named) { return excluded = !named.empty(); });
    return excluded;
}

KindSet inheritingExcludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums)
{
    KindSet inheriting;
    excludersOf(kind, counts, sums).forEach([&](HeirKind excluder) {
        if (!isExcluded(excluder, counts, sums)) inheriting.add(excluder);
    });
    return inheriting;
}

namespace {

bool sharesWithGrandfather(HeirKind kind, const KindCounts& counts, School school)
{
    return kFullAndConsanguineSiblings.has(kind) && grandfatherSharesWithSiblings(school) && counts.has(Grandfather) &&
           !counts.has(Father);
}

KindSet excludersUnder(HeirKind kind, const KindCounts& counts, const CountSums& sums, School school)
{
    KindSet excluders = excludersOf(kind, counts, sums);
    if (sharesWithGrandfather(kind, counts, school)) excluders.remove(Grandfather);
    return excluders;
}

}  // namespace

bool isExcluded(HeirKind kind, const KindCounts& counts, School school)
{
    if (!sharesWithGrandfather(kind, counts, school)) return isExcluded(kind, counts);
    return !excludersUnder(kind, counts, sumCounts(counts), school).empty();
}

KindSet inheritingExcludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums, School school)
{
    KindSet inheriting;
    excludersUnder(kind, counts, sums, school).forEach([&](HeirKind excluder) {
        if (!isExcluded(excluder, counts, school)) inheriting.add(excluder);
    });
    return inheriting;
}

}  // namespace qismaru
