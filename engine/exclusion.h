#pragma once

#include "engine/count_sums.h"
#include "model/heir_kind.h"

namespace qismaru {

// Whether a present heir kind receives nothing because a closer heir is
// present. Depends on the counts alone, so any step may ask it.
bool isExcluded(HeirKind kind, const KindCounts& counts);
bool isExcluded(HeirKind kind, const KindCounts& counts, const CountSums& sums);

}  // namespace qismaru
