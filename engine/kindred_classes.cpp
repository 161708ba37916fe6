#include <algorithm>
#include <functional>

#include "engine/kindred_work.h"

namespace qismaru {

// The Hanafi way (أهل القرابة): the distant kindred inherit as the
// residuaries do, the nearer class first, then the nearer within it, in four
// classes by Abu Hanifa's last order, which the school gives its fatwa by
// (al-Sarakhsi, al-Mabsut 30; the Sirajiyya):
//   1. the deceased's descendants through a woman: d.d, d.s, s.d.d, ...
//   2. his false ascendants: m.f, m.f.m, f.m.f, ...
//   3. the lines of his brothers and sisters: si.s, b.d, bm.s, b.s.d, ...
//   4. the lines of his ancestors' brothers and sisters: f.si, f.bm, m.b,
//      m.si, f.b.d, their children, and those of his parents' uncles, ...
// Abu Yusuf and Muhammad put the third class before the second; the school
// does not follow them in it.

namespace {

using kindred_step::Nearness;

// A path as it turns: the ancestors it goes up through, a brother or sister
// of the last of them, the children it goes down through.
struct Shape {
    int up = 0;
    bool sibling = false;
    int below = 0;
};

Shape shapeOf(const RelativePath& path)
{
    Shape s;
    while (s.up < path.size() && isParent(path[s.up])) ++s.up;
    s.sibling = s.up < path.size() && isSibling(path[s.up]);
    s.below = path.size() - s.up - (s.sibling ? 1 : 0);
    return s;
}

int classOf(const Shape& s)
{
    if (!s.sibling) return s.up == 0 ? 1 : 2;
    return s.up == 0 ? 3 : 4;
}

int strengthRank(Link sibling) { return static_cast<int>(strengthOf(sibling)); }

// Of one degree, the child of an heir before the child of one of the
// kindred ("the daughter of a son's daughter before the son of a daughter's
// daughter"); among the ascendants, the one related through an heir.
Members childrenOfHeirsFirst(KindredWork& w, const Members& members)
{
    return keepLeast(
        w, members, [&](std::size_t i) { return isHeirPath(w.path(i), w.path(i).size() - 1, w.school) ? 0 : 1; },
        Nearness::ChildOfAnHeir);
}

Members nearestDegree(KindredWork& w, const Members& members)
{
    return keepLeast(
        w, members, [&](std::size_t i) { return w.path(i).size(); }, Nearness::NearerDegree);
}

// Muhammad's rule from generation `links`, or Abu Yusuf's by the persons.
void divideWithin(KindredWork& w, const Members& members, int links, Fraction share)
{
    if (w.way == KindredWay::ClassesByRoots) {
        divideByRoots(w, members, links, share);
    } else {
        divideByPersons(w, members, share);
    }
}

using SideDivision = std::function<void(const Members&, Fraction)>;

// Where both the father's and the mother's side of an ancestor are present,
// the father's side takes two thirds and the mother's one third, strength
// not weighed across them; generation by generation up to `top`.
void divideBySides(KindredWork& w, const Members& members, int links, int top, Fraction share,
                   const SideDivision& within)
{
    if (links == top) return within(members, share);
    Members fathers;
    Members mothers;
    for (const std::size_t i : members) (w.path(i)[links] == Link::Father ? fathers : mothers).push_back(i);
    if (fathers.empty() || mothers.empty()) return divideBySides(w, members, links + 1, top, share, within);
    const Fraction fatherShare = w.times(share, Fraction::of(2, 3));
    const Fraction motherShare = w.times(share, Fraction::of(1, 3));
    w.record([&] {
        return kindred_step::Sides{prefixOf(w.path(fathers.front()), links + 1),
                                   prefixOf(w.path(mothers.front()), links + 1), fatherShare, motherShare};
    });
    divideBySides(w, fathers, links + 1, top, fatherShare, within);
    divideBySides(w, mothers, links + 1, top, motherShare, within);
}

void divideDescendants(KindredWork& w, const Members& members)
{
    divideWithin(w, childrenOfHeirsFirst(w, nearestDegree(w, members)), 1, Fraction::whole(1));
}

void divideFalseAscendants(KindredWork& w, const Members& members)
{
    const Members kept = childrenOfHeirsFirst(w, nearestDegree(w, members));
    divideBySides(w, kept, 0, 1, Fraction::whole(1),
                  [&](const Members& side, Fraction share) { divideWithin(w, side, 2, share); });
}

// Muhammad: the brothers and sisters inherit as heirs, each counted as many
// as his branches; what each kind of them takes goes down to its branches.
// Abu Yusuf: the strongest relation first, then the persons.
void divideSiblingsLines(KindredWork& w, const Members& members)
{
    const Members kept = childrenOfHeirsFirst(w, nearestDegree(w, members));
    if (w.way == KindredWay::ClassesByPersons) {
        const Members strongest = keepLeast(
            w, kept, [&](std::size_t i) { return strengthRank(w.path(i)[0]); }, Nearness::Stronger);
        return divideByPersons(w, strongest, Fraction::whole(1));
    }
    const std::vector<LineNode> roots = nodesAt(w, kept, 1);
    std::vector<RelativeEntry> heirs;
    for (const LineNode& root : roots) {
        const RelativeEntry& e = root.first(w);
        heirs.push_back({RelativePath{e.path[0]}, false, root.branches, std::string(labelAt(e, 1))});
    }
    const std::optional<std::vector<Fraction>> shares = divideAsHeirs(w, heirs);
    if (!shares) return;
    w.record([&] {
        kindred_step::RootsAsHeirs step;
        for (std::size_t k = 0; k < heirs.size(); ++k) {
            step.roots.push_back({heirs[k].path, heirs[k].label, heirs[k].count, (*shares)[k]});
        }
        return step;
    });
    // Each kind of brother or sister as one group: the full brothers, the full sisters, ...
    for (std::size_t k = 0; k < roots.size(); ++k) {
        const Link kind = heirs[k].path[0];
        bool firstOfKind = true;
        for (std::size_t j = 0; j < k; ++j) firstOfKind = firstOfKind && heirs[j].path[0] != kind;
        if (!firstOfKind) continue;
        Members group;
        Fraction share;
        for (std::size_t j = k; j < roots.size(); ++j) {
            if (heirs[j].path[0] != kind) continue;
            group.insert(group.end(), roots[j].members.begin(), roots[j].members.end());
            share = checkedSum(share, (*shares)[j]).value_or(Fraction{});
        }
        divideByRoots(w, group, 2, share);
    }
}

// The nearest ancestor whose brothers and sisters they are, then the nearest
// of their lines; the sides of that ancestor; within a side the strongest
// relation (full, then consanguine, then uterine: "عمة لأب وعمة لأم: المال
// للأولى"), then the child of an heir, then the rule of the division.
void divideUnclesLines(KindredWork& w, const Members& members)
{
    const Members level = keepLeast(
        w, members, [&](std::size_t i) { return shapeOf(w.path(i)).up; }, Nearness::NearerLevel);
    const Members kept = nearestDegree(w, level);
    const int up = shapeOf(w.path(kept.front())).up;
    divideBySides(w, kept, 0, up, Fraction::whole(1), [&](const Members& side, Fraction share) {
        const Members strongest = keepLeast(
            w, side, [&](std::size_t i) { return strengthRank(w.path(i)[up]); }, Nearness::Stronger);
        const bool theirChildren = w.path(strongest.front()).size() > up + 1;
        divideWithin(w, theirChildren ? childrenOfHeirsFirst(w, strongest) : strongest, up + 1, share);
    });
}

}  // namespace

void divideByClasses(KindredWork& w, const Members& kindred)
{
    const auto classOfEntry = [&](std::size_t i) { return classOf(shapeOf(w.path(i))); };
    int number = 4;
    for (const std::size_t i : kindred) number = std::min(number, classOfEntry(i));
    w.record([&] { return kindred_step::Class{number}; });
    const Members first = keepLeast(w, kindred, classOfEntry, Nearness::EarlierClass);
    switch (number) {
    case 1: return divideDescendants(w, first);
    case 2: return divideFalseAscendants(w, first);
    case 3: return divideSiblingsLines(w, first);
    default: return divideUnclesLines(w, first);
    }
}

}  // namespace qismaru
