#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fraction_checked.h"
#include "engine/path_case.h"

namespace qismaru {

// The entries of a case that are still taking part in a step, by their
// place in the case.
using Members = std::vector<std::size_t>;

// What the division among the distant kindred shares between its steps.
struct KindredWork {
    KindredWork(std::span<const RelativeEntry> e, std::vector<Standing>& s, School sc, KindredWay wy, KindredTrace* t)
        : entries(e), standings(s), school(sc), way(wy), trace(t)
    {
    }

    std::span<const RelativeEntry> entries;
    std::vector<Standing>& standings;
    School school;
    KindredWay way;
    KindredTrace* trace;
    // Per entry, of what the kindred divide, all its heads together.
    std::vector<Fraction> shares = std::vector<Fraction>(entries.size());
    bool beyondRange = false;  // a fraction passed 64 bits: no exact answer
    // Why the heirs they are placed as cannot be divided, and its cause.
    std::string refusal;
    PathRefusal refusalCause = PathRefusal::None;

    // Notes a decision when one is asked for: `describe` runs only then.
    template <typename Describe>
    void record(Describe describe) const
    {
        if (trace) trace->add(describe());
    }
    const RelativePath& path(std::size_t i) const { return entries[i].path; }
    bool female(std::size_t i) const { return isFemale(entries[i].path.last()); }

    void keepOut(std::size_t i, std::size_t by, kindred_step::Nearness nearness);
    void give(std::size_t i, Fraction share);
    // Exact, or nothing and beyondRange set.
    Fraction times(Fraction a, Fraction b);
};

// Whether the first `links` links of a path name an heir under the school: a
// sharer or a residuary by kinship (a daughter, a son's daughter, a brother,
// a full uncle, the mother, a grandmother of a line the school counts, ...).
bool isHeirPath(const RelativePath& path, int links, School school);
RelativePath prefixOf(const RelativePath& path, int links);

// The label that tells the person at the first `links` links of an entry's
// path apart from others on the same links: the label of the entry's line
// once a child or a brother or sister is among those links; an ancestor is
// one person whatever the label.
std::string_view labelAt(const RelativeEntry& entry, int links);

// One person at a generation of the lines of several entries, with the
// entries below him (or the entry he is, with its heads).
struct LineNode {
    Members members;
    int heads = 1;     // the entry's count where he is entered, else one person
    int branches = 0;  // the persons entered at or below him
    bool female = false;

    const RelativeEntry& first(const KindredWork& w) const { return w.entries[members.front()]; }
};
// The persons at the first `links` links of the members' paths, in the order
// their first entries were entered.
std::vector<LineNode> nodesAt(const KindredWork& w, const Members& members, int links);

// Keeps the members whose measure is least and keeps the others out by the
// first of those, for the reason given.
template <typename Measure>
Members keepLeast(KindredWork& w, const Members& members, Measure measure, kindred_step::Nearness nearness)
{
    Members kept;
    int least = 0;
    for (const std::size_t i : members) {
        const int m = measure(i);
        if (kept.empty() || m < least) kept.clear(), least = m;
        if (m == least) kept.push_back(i);
    }
    for (const std::size_t i : members) {
        if (measure(i) != least) w.keepOut(i, kept.front(), nearness);
    }
    return kept;
}

// The heirs of a case of heirs (written by path) divided by the school's
// rules, with increase and return: each entry's share of the whole. Nothing
// (and the work refused) if the case cannot be divided.
std::optional<std::vector<Fraction>> divideAsHeirs(KindredWork& w, std::span<const RelativeEntry> heirs);

// The rules of division the methods share.
// The persons themselves, the male twice the female.
void divideByPersons(KindredWork& w, const Members& members, Fraction share);
// Muhammad's rule from generation `links` down: at the first generation
// where the sexes differ the roots are counted by their branches, the male
// twice the female, and each sex's part goes down to its own branches.
void divideByRoots(KindredWork& w, const Members& members, int links, Fraction share);

// The methods.
void divideByPlacing(KindredWork& w, const Members& kindred);
void divideByClasses(KindredWork& w, const Members& kindred);

// A case whose distant kindred may inherit, divided: the heirs beside them,
// then, where they inherit, their own division.
PathComputation computeWithKindred(std::span<const RelativeEntry> entries, Resolution resolution,
                                   const Positions& positions, DecisionTrace* trace, KindredTrace* kindredTrace);

}  // namespace qismaru
