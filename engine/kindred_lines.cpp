#include <algorithm>
#include <cassert>

#include "engine/kindred_work.h"

namespace qismaru {

void KindredWork::keepOut(std::size_t i, std::size_t by, kindred_step::Nearness nearness)
{
    Standing& s = standings[i];
    s.way = StandingWay::Excluded;
    s.byKinds = {};
    s.byEntry = static_cast<int>(by);
    record([&] { return kindred_step::KeptOut{i, by, nearness}; });
}

Fraction KindredWork::times(Fraction a, Fraction b)
{
    const std::optional<Fraction> product = checkedProduct(a, b);
    if (!product) beyondRange = true;
    return product.value_or(Fraction{});
}

void KindredWork::give(std::size_t i, Fraction share)
{
    const std::optional<Fraction> sum = checkedSum(shares[i], share);
    if (!sum) beyondRange = true;
    shares[i] = sum.value_or(Fraction{});
}

bool isHeirPath(const RelativePath& path, int links, School school)
{
    const Kinship k = kinshipOf(prefixOf(path, links));
    switch (k.kind) {
    case KinshipKind::Descendant:
    case KinshipKind::Father:
    case KinshipKind::Mother:
    case KinshipKind::Sibling:
    case KinshipKind::Agnate: return true;
    case KinshipKind::Grandmother: return grandmotherLineInherits(school, k.up);
    default: return false;
    }
}

RelativePath prefixOf(const RelativePath& path, int links)
{
    RelativePath prefix;
    for (int i = 0; i < links && i < path.size(); ++i) prefix.add(path[i]);
    return prefix;
}

std::string_view labelAt(const RelativeEntry& entry, int links)
{
    for (int i = 0; i < links && i < entry.path.size(); ++i) {
        if (!isParent(entry.path[i])) return entry.label;
    }
    return "";
}

namespace {

bool samePerson(const RelativeEntry& a, const RelativeEntry& b, int links)
{
    for (int i = 0; i < links; ++i) {
        if (a.path[i] != b.path[i]) return false;
    }
    return labelAt(a, links) == labelAt(b, links);
}

}  // namespace

std::vector<LineNode> nodesAt(const KindredWork& w, const Members& members, int links)
{
    std::vector<LineNode> nodes;
    for (const std::size_t i : members) {
        const RelativeEntry& e = w.entries[i];
        assert(e.path.size() >= links);
        auto node = std::find_if(nodes.begin(), nodes.end(),
                                 [&](const LineNode& n) { return samePerson(n.first(w), e, links); });
        if (node == nodes.end()) {
            nodes.push_back({{}, 1, 0, isFemale(e.path[links - 1])});
            node = nodes.end() - 1;
        }
        node->members.push_back(i);
        node->branches += e.count;
        if (e.path.size() == links) node->heads = e.count;
    }
    return nodes;
}

std::optional<std::vector<Fraction>> divideAsHeirs(KindredWork& w, std::span<const RelativeEntry> heirs)
{
    const PathComputation p = computeCase(heirs, Positions{w.school});
    if (p.refused()) {
        w.refusal = p.resolution.refusal;
        w.refusalCause = p.resolution.refusalCause;
        return std::nullopt;
    }
    if (!p.divided()) {
        w.beyondRange = true;
        return std::nullopt;
    }
    std::vector<Fraction> shares;
    shares.reserve(heirs.size());
    for (std::size_t j = 0; j < heirs.size(); ++j) shares.push_back(shareOf(p, heirs, j).ofEstate());
    return shares;
}

void divideByPersons(KindredWork& w, const Members& members, Fraction share)
{
    std::int64_t weights = 0;
    for (const std::size_t i : members) weights += std::int64_t{w.female(i) ? 1 : 2} * w.entries[i].count;
    for (const std::size_t i : members) {
        const std::int64_t weight = std::int64_t{w.female(i) ? 1 : 2} * w.entries[i].count;
        w.give(i, w.times(share, Fraction::of(weight, weights)));
    }
    w.record([&] { return kindred_step::ByPersons{members, share}; });
}

void divideByRoots(KindredWork& w, const Members& members, int links, Fraction share)
{
    int leaf = RelativePath::kMaxLinks;
    for (const std::size_t i : members) leaf = std::min(leaf, w.path(i).size());
    for (int generation = links; generation <= leaf; ++generation) {
        const std::vector<LineNode> nodes = nodesAt(w, members, generation);
        std::int64_t males = 0;
        std::int64_t females = 0;
        for (const LineNode& n : nodes) (n.female ? females : males) += n.branches;
        if (males == 0 || females == 0) continue;
        // Each root counted as many as his branches, the male twice the female.
        const std::int64_t weights = 2 * males + females;
        const Fraction malesShare = w.times(share, Fraction::of(2 * males, weights));
        const Fraction femalesShare = w.times(share, Fraction::of(females, weights));
        w.record([&] {
            kindred_step::ByRoots step{generation, {}};
            for (const LineNode& n : nodes) {
                const RelativeEntry& e = n.first(w);
                const Fraction part = Fraction::of(n.branches * (n.female ? 1 : 2), weights);
                step.roots.push_back({prefixOf(e.path, generation), std::string(labelAt(e, generation)), n.branches,
                                      w.times(share, part)});
            }
            return step;
        });
        Members maleBranches;
        Members femaleBranches;
        for (const LineNode& n : nodes) {
            Members& to = n.female ? femaleBranches : maleBranches;
            to.insert(to.end(), n.members.begin(), n.members.end());
        }
        divideByRoots(w, maleBranches, generation + 1, malesShare);
        divideByRoots(w, femaleBranches, generation + 1, femalesShare);
        return;
    }
    // One sex at every generation: every head alike.
    divideByPersons(w, members, share);
}

}  // namespace qismaru
