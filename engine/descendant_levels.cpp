#include <algorithm>

#include "engine/resolution_work.h"

namespace qismaru {

namespace {

using enum HeirKind;

constexpr int kNone = RelativePath::kMaxLinks + 1;

// The sons' line level by level: level 1 the sons and daughters, level 2
// the son's sons and son's daughters, and so on down.
struct Levels {
    const ResolutionWork& work;
    int highest = kNone;      // the nearest level with anyone
    int highestMale = kNone;  // the nearest level with a male
    int lowest = 0;
    int femalesOnTop = 0;  // at the highest level

    explicit Levels(const ResolutionWork& w) : work(w)
    {
        work.forEach(KinshipKind::Descendant, [&](std::size_t i) {
            const Kinship& r = work.kinship(i);
            const int level = r.down;
            if (level < highest) highest = level, femalesOnTop = 0;
            if (level == highest && r.female) femalesOnTop += work.entries[i].count;
            lowest = std::max(lowest, level);
            if (!r.female) highestMale = std::min(highestMale, level);
        });
    }
    // The first level below `from` and above `to` with females, or kNone.
    int nextFemales(int from, int to) const
    {
        int next = kNone;
        work.forEach(KinshipKind::Descendant, [&](std::size_t i) {
            const Kinship& r = work.kinship(i);
            if (r.female && r.down > from && r.down < to) next = std::min(next, int{r.down});
        });
        return next;
    }
};

// Where each level goes: to the kind whose rules it inherits by, or out.
struct LevelPlan {
    int residuaryLevel = kNone;  // the nearest male's level: his males inherit as `male`
    HeirKind male = Sons;
    int liftedFrom = kNone;  // females of the levels from here to the male's are residuaries with him
    int shareLevel = kNone;  // the highest females: as daughters
    int sixthLevel = kNone;  // the next females: the completing sixth
    bool sixthBesideMale = false;
};

// The books' rule repeated downwards: the highest level of females takes the
// half or the two thirds, the next the completing sixth beside one; a male
// makes the females of his level residuaries with him, and those above him
// too when they have nothing of the two thirds (القريب المبارك); whoever is
// below the nearest male, or below the two thirds once complete, is out.
LevelPlan planOf(const Levels& l)
{
    LevelPlan p;
    if (l.highestMale == l.highest) {
        p.residuaryLevel = l.highest;
        p.liftedFrom = l.highest;
        return p;
    }
    p.shareLevel = l.highest;
    p.residuaryLevel = l.highestMale;
    p.male = SonsSons;
    const bool oneOnTop = l.femalesOnTop == 1;
    if (oneOnTop) p.sixthLevel = l.nextFemales(l.highest, l.highestMale);
    p.sixthBesideMale = p.sixthLevel != kNone && l.highestMale != kNone;
    const int aboveLifted = p.sixthLevel != kNone ? p.sixthLevel : l.highest;
    if (l.highestMale != kNone) p.liftedFrom = aboveLifted + 1;
    return p;
}

}  // namespace

// Descendants at any depth. Within the two levels of the 21 kinds each goes
// to its own kind, whose rules decide; below them the levels are resolved by
// the same rules and taken to the kinds that stand in their place.
void resolveDescendants(ResolutionWork& work)
{
    if (!work.any(KinshipKind::Descendant)) return;
    const Levels l(work);
    if (l.highest == kNone) return;
    if (l.lowest <= 2) {
        work.forEach(KinshipKind::Descendant, [&](std::size_t i) {
            const Kinship& r = work.kinship(i);
            work.inherit(i, r.down == 1 ? (r.female ? Daughters : Sons) : (r.female ? SonsDaughters : SonsSons));
        });
        return;
    }
    const LevelPlan p = planOf(l);
    const KindSet twoThirds = p.sixthLevel != kNone ? KindSet{Daughters, SonsDaughters} : KindSet{Daughters};
    work.forEach(KinshipKind::Descendant, [&](std::size_t i) {
        const Kinship& r = work.kinship(i);
        const int level = r.down;
        if (level == p.residuaryLevel && !r.female) return work.inherit(i, p.male);
        if (level == p.shareLevel) return work.inherit(i, Daughters);
        if (level == p.sixthLevel && !p.sixthBesideMale) return work.inherit(i, SonsDaughters);
        if (level == p.sixthLevel) {
            work.out.standings[i].way = StandingWay::CompletesTwoThirds;
            work.out.capacities.completingSixth += work.entries[i].count;
            return;
        }
        const bool lifted = r.female && level >= p.liftedFrom && level <= p.residuaryLevel;
        if (lifted) return work.inherit(i, p.male == Sons ? Daughters : SonsDaughters);
        work.exclude(i, level > p.residuaryLevel ? KindSet{p.male} : twoThirds);
    });
}

}  // namespace qismaru
