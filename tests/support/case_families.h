#pragma once

#include <bit>

#include "model/heir_kind.h"

namespace qismaru::testing {

// Calls visit for every set of up to maxKinds of the 21 kinds, one heir each,
// without the husband beside wives, which the entry rules refuse.
template <typename Visit>
void forEachSetOfKinds(int maxKinds, Visit&& visit)
{
    const unsigned husband = 1u << indexOf(HeirKind::Husband);
    const unsigned wives = 1u << indexOf(HeirKind::Wives);
    for (unsigned mask = 1; mask < (1u << kHeirKindCount); ++mask) {
        if ((mask & husband) && (mask & wives)) continue;
        if (std::popcount(mask) > maxKinds) continue;
        KindCounts counts;
        for (int i = 0; i < kHeirKindCount; ++i) {
            if (mask & (1u << i)) counts.count[i] = 1;
        }
        visit(counts);
    }
}

}  // namespace qismaru::testing
