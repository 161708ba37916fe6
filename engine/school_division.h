#pragma once

#include <array>

#include "engine/case_result.h"
#include "engine/compute_case.h"
#include "engine/step_trace.h"

namespace qismaru {

// Heirs who share one portion of the estate among their heads: a sharer
// alone, brothers with their sisters (the male twice the female), or a pool
// of both as in the Akdariyya and the Mushtaraka.
struct ShareGroup {
    std::array<HeirKind, 3> kinds{};
    std::array<int, 3> weights{};  // heads per person: 2 for a male beside females, 1 otherwise
    int size = 0;
    Fraction share;                       // of the estate, before any increase
    ShareLabel label = ShareLabel::None;  // None: a fixed fraction, shown as such

    std::int64_t heads(const KindCounts& counts) const
    {
        std::int64_t n = 0;
        for (int i = 0; i < size; ++i) n += std::int64_t{counts.of(kinds[i])} * weights[i];
        return n;
    }
};

// The school's division of a case: its groups, and whether what they leave
// goes to no heir.
struct Division {
    std::array<ShareGroup, kHeirKindCount> groups{};
    int size = 0;
    bool undistributed = false;

    void fixed(HeirKind kind, Fraction share) { groups[size++] = ShareGroup{{kind}, {1}, 1, share, ShareLabel::None}; }
    // Brothers with their sisters, or either alone, sharing `share` 2:1.
    void siblings(const KindCounts& counts, HeirKind male, HeirKind female, Fraction share, ShareLabel label)
    {
        if (share.isZero()) return;
        ShareGroup g{{}, {}, 0, share, label};
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

// Writes the division into the result: each kind's share, the base (the
// least common multiple of the groups' denominators), the increase, or the
// reduction of a lone spouse's return, the correction and the parts.
CaseOutcome settle(const KindCounts& counts, const Division& d, CaseResult& result, StepTrace* trace);

// Notes a decision when the steps are asked for.
inline void recordStep(StepTrace* trace, const Step& step)
{
    if (trace) trace->add(step);
}

}  // namespace qismaru
