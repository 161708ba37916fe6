#include <algorithm>

#include "engine/resolution_work.h"

namespace qismaru {

namespace {

enum class GrandmotherState : std::uint8_t { Inherits, ExcludedByAscendant, Blocked };

int degreeOf(const Kinship& r) { return r.up + r.mothers; }
bool maternalSide(const Kinship& r) { return r.up == 0; }

// The nearest father or grandfather entered through whom the grandmother is
// related (her path begins with his), or 0: she is his mother or his mother's
// mother, and under the schools but the Hanbali he keeps her out.
int excludingAscendant(const ResolutionWork& work, const Kinship& g)
{
    if (!ascendantExcludesHisMother(work.school)) return 0;
    int nearest = 0;
    work.forEach(KinshipKind::Father, [&](std::size_t i) {
        const int up = work.kinships[i].up;
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

}  // namespace

// The grandmothers by their side (the Hanafi table for "gm", whose side is
// not given, stays as it was).
void resolveGrandmothers(ResolutionWork& work)
{
    work.forEach(KinshipKind::GrandmotherSide, [&](std::size_t i) { work.inherit(i, HeirKind::Grandmothers); });
    std::vector<std::size_t> sided;
    work.forEach(KinshipKind::Grandmother, [&](std::size_t i) { sided.push_back(i); });
    if (sided.empty()) return;
    for (const std::size_t i : sided) {
        work.refuse(grandmotherLineProblem(work.entries[i].path, work.entries[i].written, work.school));
    }
    // The mother keeps every grandmother out.
    if (work.any(KinshipKind::Mother)) {
        for (const std::size_t i : sided) work.exclude(i, KindSet{HeirKind::Mother});
        return;
    }
    // Nearest first: whether one inherits depends only on those nearer than she.
    std::stable_sort(sided.begin(), sided.end(), [&](std::size_t a, std::size_t b) {
        return degreeOf(work.kinships[a]) < degreeOf(work.kinships[b]);
    });
    std::vector<GrandmotherState> state(work.size(), GrandmotherState::Inherits);
    for (const std::size_t i : sided) {
        const Kinship& g = work.kinships[i];
        if (const int up = excludingAscendant(work, g); up > 0) {
            state[i] = GrandmotherState::ExcludedByAscendant;
            work.exclude(i, KindSet{up == 1 ? HeirKind::Father : HeirKind::Grandfather});
            continue;
        }
        // Under the Hanafi school a nearer one keeps her out though excluded herself.
        const auto blocks = [&](std::size_t h) {
            return (state[h] == GrandmotherState::Inherits || excludedGrandmotherStillExcludes(work.school)) &&
                   keepsOut(work.kinships[h], g, work.school);
        };
        const auto nearer = std::find_if(sided.begin(), sided.end(), blocks);
        if (nearer != sided.end()) {
            state[i] = GrandmotherState::Blocked;
            work.exclude(i, {}, static_cast<int>(*nearer));
            continue;
        }
        work.inherit(i, HeirKind::Grandmothers);
    }
}

}  // namespace qismaru
