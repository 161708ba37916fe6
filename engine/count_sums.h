#pragma once

#include "model/heir_kind.h"

namespace qismaru {

// The sums of counts that every rule of the computation reads. Formed in
// `int`: five counts of at most 32767 cannot overflow it.
struct CountSums {
    int descendants = 0;        // sons, daughters, son's sons, son's daughters
    int maleDescendants = 0;    // sons, son's sons
    int femaleDescendants = 0;  // daughters, son's daughters
    int siblingsTotal = 0;      // full, consanguine and uterine brothers and sisters
};

CountSums sumCounts(const KindCounts& counts);

}  // namespace qismaru
