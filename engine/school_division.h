#pragma once

#include <array>

#include "engine/case_result.h"
#include "engine/compute_case.h"
#include "engine/decision_trace.h"

namespace qismaru {

// How a group's portion stands to the base and the correction, as the books
// form them when the grandfather shares with the siblings.
enum class GroupRole : std::uint8_t {
    Sharer,     // a fixed share (the grandfather's sixth or third too): its denominator forms the base
    Remainder,  // what is left after the sharers and a grandfather who took a share: no denominator of its own
    Pooled,     // divides with the grandfather: corrected as one pool of heads (Division::pool)
    TakenBack,  // what the full siblings take back from the consanguine ones counted against him: corrected last
};

// Heirs who share one portion of the estate among their heads: a sharer
// alone, brothers with their sisters (the male twice the female), or a pool
// of both as in the Akdariyya and the Mushtaraka.
struct ShareGroup {
    std::array<HeirKind, 3> kinds{};
    std::array<int, 3> weights{};  // heads per person: 2 for a male beside females, 1 otherwise
    int size = 0;
    Fraction share;                       // of the estate, before any increase
    ShareLabel label = ShareLabel::None;  // None: a fixed fraction, shown as such
    GroupRole role = GroupRole::Sharer;
    // The denominators the base names for it, bit d for d; 0: its share's own.
    // The Akdariyya's pool is the grandfather's sixth and the sister's half.
    std::uint32_t denominators = 0;

    std::int64_t heads(const KindCounts& counts) const
    {
        std::int64_t n = 0;
        for (int i = 0; i < size; ++i) n += std::int64_t{counts.of(kinds[i])} * weights[i];
        return n;
    }
};

// The grandfather and the siblings dividing with him, when he divides: what
// they divide (all that the sharers leave) among their heads, the
// consanguine siblings counted against him included.
struct GrandfatherPool {
    KindSet kinds;
    Fraction share;
    std::int64_t heads = 0;  // as the books count them: see decision::HeadsBase
};

// The school's division of a case: its groups, and whether what they leave
// goes to no heir.
struct GroupedShares {
    std::array<ShareGroup, kHeirKindCount> groups{};
    int size = 0;
    bool undistributed = false;
    GrandfatherPool pool;       // empty unless the grandfather divides
    int thirdOfRemainder = -1;  // the group of the grandfather's third of what the sharers leave

    void fixed(HeirKind kind, Fraction share, GroupRole role = GroupRole::Sharer)
    {
        groups[size++] = ShareGroup{{kind}, {1}, 1, share, ShareLabel::None, role};
    }
    // Brothers with their sisters, or either alone, sharing `share` 2:1.
    void siblings(const KindCounts& counts, HeirKind male, HeirKind female, Fraction share, ShareLabel label,
                  GroupRole role)
    {
        if (share.isZero()) return;
        ShareGroup g{{}, {}, 0, share, label, role};
        const bool both = counts.has(male) && counts.has(female);
        if (counts.has(male)) g.kinds[g.size] = male, g.weights[g.size++] = both ? 2 : 1;
        if (counts.has(female)) g.kinds[g.size] = female, g.weights[g.size++] = 1;
        if (both && label == ShareLabel::Remainder) g.label = ShareLabel::SharesRemainder;
        if (g.size > 0) groups[size++] = g;
    }
    void add(const ShareGroup& g) { groups[size++] = g; }
    Fraction total() const
    {
        Fraction t;
        for (int i = 0; i < size; ++i) t = t + groups[i].share;
        return t;
    }
};

// Writes the division into the result: each kind's share; the base, from
// the sharers' denominators, or from the heads of those who divide with the
// grandfather when there is no sharer; the increase, or the reduction of a
// lone spouse's return; the correction, first of the groups whose parts of
// the base do not divide among their heads, then of what the full siblings
// take back; the reduction by a factor common to every heir's parts; and
// the parts.
CaseOutcome settle(const KindCounts& counts, const GroupedShares& d, CaseResult& result, DecisionTrace* trace);

// Notes a decision when the steps are asked for.
inline void recordStep(DecisionTrace* trace, const Decision& step)
{
    if (trace) trace->add(step);
}

}  // namespace qismaru
