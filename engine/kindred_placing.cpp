#include <algorithm>
#include <array>

#include "engine/kindred_work.h"

namespace qismaru {

// Placing (التنزيل): each relative stands in the position of the heir
// through whom he is related, reached step by step towards the deceased: the
// daughter's daughter as the daughter, the daughter's son's daughter as the
// daughter's son and he as the daughter, the brother's daughter as the
// brother, the uncle's daughter as the uncle, the maternal uncle and aunt and
// the maternal grandfather as the mother, the paternal aunt and the uterine
// paternal uncle as the father. Within one direction (descendants, the
// father's side, the mother's side) the one who reaches an heir in fewer
// steps keeps the others out; across directions each goes to his heir
// however far. The placed heirs are divided as a case of heirs, and each
// heir's share goes down to those placed in his position.

namespace {

using kindred_step::Direction;
using kindred_step::Passing;

// The Hanbali books count the brothers' and sisters' lines, the uterine ones
// too, with the father's side (Ibn 'Uthaymin would put the uterine ones with
// the mother's); the heir a relative is placed as tells his direction.
Direction directionOf(const RelativePath& heir)
{
    if (isChild(heir[0])) return Direction::Sonship;
    return heir[0] == Link::Mother ? Direction::Motherhood : Direction::Fatherhood;
}

// The links of the heir a relative is placed as: the nearest heir on his
// path towards the deceased (every relative of one link is an heir).
int placedAt(const RelativePath& path, School school)
{
    int links = path.size() - 1;
    while (links > 1 && !isHeirPath(path, links, school)) --links;
    return links;
}

// Whether the branches stand in one relation to the person whose share they
// take: all his children, or all his brothers and sisters of one strength.
bool oneRelation(const KindredWork& w, const std::vector<LineNode>& nodes, int links)
{
    const Link first = nodes.front().first(w).path[links - 1];
    return std::all_of(nodes.begin(), nodes.end(), [&](const LineNode& n) {
        const Link link = n.first(w).path[links - 1];
        if (isChild(first)) return isChild(link);
        return isSibling(first) && isSibling(link) && strengthOf(link) == strengthOf(first);
    });
}

Passing passingOf(const KindredWork& w, const std::vector<LineNode>& nodes, int links, bool uterineLine)
{
    if (uterineLine) return Passing::Alike;
    if (!oneRelation(w, nodes, links)) return Passing::AsHisHeirs;
    const Link link = nodes.front().first(w).path[links - 1];
    const bool uterine = isSibling(link) && strengthOf(link) == Strength::Uterine;
    return w.way == KindredWay::PlacingAlike || uterine ? Passing::Alike : Passing::TwoToOne;
}

// The share of each branch: by heads alike, or as the person's heirs (which,
// for children or brothers and sisters of one relation, is the male twice
// the female, and the uterine ones alike).
std::optional<std::vector<Fraction>> branchShares(KindredWork& w, const std::vector<LineNode>& nodes, int links,
                                                  Passing passing)
{
    std::vector<Fraction> shares;
    if (passing == Passing::Alike) {
        int heads = 0;
        for (const LineNode& n : nodes) heads += n.heads;
        for (const LineNode& n : nodes) shares.push_back(Fraction::of(n.heads, heads));
        return shares;
    }
    std::vector<RelativeEntry> heirs;
    for (const LineNode& n : nodes) {
        const RelativeEntry& e = n.first(w);
        heirs.push_back({RelativePath{e.path[links - 1]}, false, n.heads, std::string(labelAt(e, links))});
    }
    return divideAsHeirs(w, heirs);
}

// A person's share passed down (or across, to his father and his brothers
// and sisters) generation by generation to the entries in his position.
void passDown(KindredWork& w, const Members& members, int links, Fraction share, bool uterineLine)
{
    if (share.isZero() || !w.refusal.empty()) return;
    // One line alone below him: all of it goes down that line.
    if (members.size() == 1) return w.give(members.front(), share);
    // The person himself entered: anyone below him was kept out as farther.
    for (const std::size_t i : members) {
        if (w.path(i).size() == links) return w.give(i, share);
    }
    const std::vector<LineNode> nodes = nodesAt(w, members, links + 1);
    if (nodes.size() == 1) return passDown(w, members, links + 1, share, uterineLine);
    const Passing passing = passingOf(w, nodes, links + 1, uterineLine);
    const std::optional<std::vector<Fraction>> shares = branchShares(w, nodes, links + 1, passing);
    if (!shares) return;
    w.record([&] {
        const RelativeEntry& e = nodes.front().first(w);
        kindred_step::Passed step{prefixOf(e.path, links), std::string(labelAt(e, links)), share, passing, {}};
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const RelativeEntry& b = nodes[k].first(w);
            step.to.push_back({prefixOf(b.path, links + 1), std::string(labelAt(b, links + 1)), nodes[k].heads,
                               w.times(share, (*shares)[k])});
        }
        return step;
    });
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        passDown(w, nodes[k].members, links + 1, w.times(share, (*shares)[k]), uterineLine);
    }
}

// The person placed as an heir, with the entries placed in his position.
struct PlacedHeir {
    Members members;
    int links;
};

// Within each direction the fewest steps to an heir keep the others out,
// by the first to take them; across directions each goes to his heir.
Members nearestOfEachDirection(KindredWork& w, const Members& kindred, const std::vector<int>& placed)
{
    const auto stepsOf = [&](std::size_t i) { return w.path(i).size() - placed[i]; };
    std::array<std::size_t, 3> nearest{};
    std::array<bool, 3> seen{};
    for (const std::size_t i : kindred) {
        const auto d = static_cast<std::size_t>(directionOf(w.path(i)));
        if (!seen[d] || stepsOf(i) < stepsOf(nearest[d])) nearest[d] = i, seen[d] = true;
    }
    Members kept;
    kept.reserve(kindred.size());
    for (const std::size_t i : kindred) {
        const std::size_t by = nearest[static_cast<std::size_t>(directionOf(w.path(i)))];
        if (stepsOf(i) == stepsOf(by)) {
            kept.push_back(i);
        } else {
            w.keepOut(i, by, kindred_step::Nearness::NearerToAnHeir);
        }
    }
    return kept;
}

}  // namespace

void divideByPlacing(KindredWork& w, const Members& kindred)
{
    std::vector<int> placed(w.entries.size());
    for (const std::size_t i : kindred) {
        placed[i] = placedAt(w.path(i), w.school);
        w.record([&] {
            const RelativePath heir = prefixOf(w.path(i), placed[i]);
            return kindred_step::Placed{i, heir, std::string(labelAt(w.entries[i], placed[i])),
                                        w.path(i).size() - placed[i], directionOf(heir)};
        });
    }
    const Members kept = nearestOfEachDirection(w, kindred, placed);
    // One heir for each person at the head of their lines.
    std::vector<PlacedHeir> heirs;
    std::vector<RelativeEntry> heirEntries;
    heirs.reserve(kept.size());
    heirEntries.reserve(kept.size());
    for (const std::size_t i : kept) {
        const RelativeEntry heir{prefixOf(w.path(i), placed[i]), false, 1,
                                 std::string(labelAt(w.entries[i], placed[i]))};
        const auto at = std::find(heirEntries.begin(), heirEntries.end(), heir);
        if (at != heirEntries.end()) {
            heirs[static_cast<std::size_t>(at - heirEntries.begin())].members.push_back(i);
            continue;
        }
        heirEntries.push_back(heir);
        heirs.push_back({{i}, placed[i]});
    }
    const std::optional<std::vector<Fraction>> shares = divideAsHeirs(w, heirEntries);
    if (!shares) return;
    w.record([&] {
        kindred_step::PlacedCase step;
        for (std::size_t j = 0; j < heirEntries.size(); ++j) {
            step.heirs.push_back({heirEntries[j].path, heirEntries[j].label, (*shares)[j]});
        }
        return step;
    });
    for (std::size_t j = 0; j < heirs.size(); ++j) {
        // The children of the deceased's uterine brothers and sisters share alike under every school.
        const RelativePath& heir = heirEntries[j].path;
        const bool uterineLine = heir.size() == 1 && isSibling(heir[0]) && strengthOf(heir[0]) == Strength::Uterine;
        passDown(w, heirs[j].members, heirs[j].links, (*shares)[j], uterineLine);
    }
}

}  // namespace qismaru
