#include <algorithm>

#include "engine/resolution_work.h"

namespace qismaru {

namespace {

int degreeOf(const Kinship& r) { return r.up + r.mothers; }
bool maternalSide(const Kinship& r) { return r.up == 0; }

// The grandmothers of the lines the school counts; the others are of the
// distant kindred there, and are divided with them.
template <typename Visit>
void forEachCounted(const ResolutionWork& work, Visit&& visit)
{
    work.forEach(KinshipKind::Grandmother, [&](std::size_t i) {
        if (grandmotherLineInherits(work.school, work.kinship(i).up)) visit(i);
    });
}

// The nearest father or grandfather entered through whom the grandmother is
// related (her path begins with his), or 0: she is his mother or his mother's
// mother, and under the schools but the Hanbali he keeps her out.
int excludingAscendant(const ResolutionWork& work, const Kinship& g)
{
    if (!ascendantExcludesHisMother(work.school)) return 0;
    int nearest = 0;
    work.forEach(KinshipKind::Father, [&](std::size_t i) {
        const int up = work.kinship(i).up;
        if (up <= g.up && (nearest == 0 || up < nearest)) nearest = up;
    });
    return nearest;
}

// Whether a nearer grandmother keeps a farther one out: one of her own side,
// or one on the mother's side; one on the father's side keeps a farther one
// on the mother's side out under the Hanafi and Hanbali schools only.
bool keepsOut(const Kinship& nearer, const Kinship& farther, School school)
{
    if (degreeOf(nearer) >= degreeOf(farther)) return false;
    if (maternalSide(nearer) == maternalSide(farther) || maternalSide(nearer)) return true;
    return nearerPaternalGrandmotherExcludesMaternal(school);
}

// Whether a grandmother decided already keeps a farther one out: one who
// inherits, or under the Hanafi school one nearer though excluded herself.
bool stillExcludes(const ResolutionWork& work, std::size_t h)
{
    const Standing& s = work.out.standings[h];
    return s.way == StandingWay::Inherits || excludedGrandmotherStillExcludes(work.school);
}

void resolveGrandmother(ResolutionWork& work, std::size_t i)
{
    const Kinship& g = work.kinship(i);
    if (const int up = excludingAscendant(work, g); up > 0) {
        work.exclude(i, KindSet{up == 1 ? HeirKind::Father : HeirKind::Grandfather});
        return;
    }
    int by = -1;
    forEachCounted(work, [&](std::size_t h) {
        if (by < 0 && stillExcludes(work, h) && keepsOut(work.kinship(h), g, work.school)) by = static_cast<int>(h);
    });
    if (by >= 0) {
        work.exclude(i, {}, by);
    } else {
        work.inherit(i, HeirKind::Grandmothers);
    }
}

}  // namespace

// The grandmothers by their side (the Hanafi table for "gm", whose side is
// not given, stays as it was).
void resolveGrandmothers(ResolutionWork& work)
{
    work.forEach(KinshipKind::GrandmotherSide, [&](std::size_t i) { work.inherit(i, HeirKind::Grandmothers); });
    if (!work.any(KinshipKind::Grandmother)) return;
    int nearest = RelativePath::kMaxLinks;
    int farthest = 0;
    forEachCounted(work, [&](std::size_t i) {
        nearest = std::min(nearest, degreeOf(work.kinship(i)));
        farthest = std::max(farthest, degreeOf(work.kinship(i)));
    });
    // The mother keeps every grandmother out.
    if (work.any(KinshipKind::Mother)) {
        forEachCounted(work, [&](std::size_t i) { work.exclude(i, KindSet{HeirKind::Mother}); });
        return;
    }
    // Nearest first: whether one inherits depends only on those nearer than she.
    for (int degree = nearest; degree <= farthest; ++degree) {
        forEachCounted(work, [&](std::size_t i) {
            const Kinship& g = work.kinship(i);
            if (degreeOf(g) == degree) resolveGrandmother(work, i);
        });
    }
}

}  // namespace qismaru
