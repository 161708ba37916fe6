#pragma once

#include <random>
#include <vector>

#include "model/heir_kind.h"

namespace qismaru::bench {

// A fixed mix of cases as a student's exercises look: two to seven kinds,
// mostly small counts, now and then a large one; never both spouses.
inline std::vector<KindCounts> caseMix(int size)
{
    std::mt19937 random(1446);  // fixed, so every run measures the same cases
    std::vector<KindCounts> cases;
    while (static_cast<int>(cases.size()) < size) {
        KindCounts counts;
        const int kinds = 2 + static_cast<int>(random() % 6);
        for (int k = 0; k < kinds; ++k) {
            const HeirKind kind = kindAt(static_cast<int>(random() % kHeirKindCount));
            const bool single = infoOf(kind).entry == EntryKind::Single;
            const int limit = single ? 1 : kind == HeirKind::Wives ? kMaxWives : (random() % 10 == 0 ? 500 : 6);
            counts.set(kind, 1 + static_cast<int>(random() % limit));
        }
        if (counts.has(HeirKind::Husband) && counts.has(HeirKind::Wives)) continue;
        cases.push_back(counts);
    }
    return cases;
}

}  // namespace qismaru::bench
