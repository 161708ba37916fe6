#pragma once

#include <vector>

#include "bench/case_mix.h"
#include "engine/combined_base.h"
#include "engine/kind_groups.h"

namespace qismaru::bench {

// Two deaths from the case mix: a case, and an heir of it with parts who
// died before the division, leaving the heirs of the next case of the mix
// (without the spouse the deceased cannot leave).
struct DeathPair {
    KindCounts first;
    LaterDeath later;
};

inline std::vector<DeathPair> deathPairs(int size)
{
    std::vector<DeathPair> pairs;
    const std::vector<KindCounts> cases = caseMix(2 * size + 64);
    for (std::size_t i = 0; i + 1 < cases.size() && static_cast<int>(pairs.size()) < size; ++i) {
        const CaseComputation c = computeCase(cases[i]);
        if (c.outcome != CaseOutcome::Computed) continue;
        int deceased = 0;
        while (deceased < kHeirKindCount && (!cases[i].count[deceased] || !c.result.parts[deceased])) ++deceased;
        if (deceased == kHeirKindCount) continue;
        KindCounts heirs = cases[i + 1];
        const SpouseSide side = spouseSideOf(kindAt(deceased));
        if (side == SpouseSide::Man) heirs.set(HeirKind::Husband, 0);
        if (side == SpouseSide::Woman) heirs.set(HeirKind::Wives, 0);
        if (heirs.empty()) continue;
        pairs.push_back({cases[i], {{1, kindAt(deceased)}, heirs, {}}});
    }
    return pairs;
}

}  // namespace qismaru::bench
