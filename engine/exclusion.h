#pragma once

#include "engine/count_sums.h"
#include "model/heir_kind.h"
#include "model/kind_set.h"
#include "model/positions.h"

namespace qismaru {

// Every entered kind whose presence excludes `kind` under the rules of
// exclusion; the kind is excluded exactly when this set is not empty, so the
// decision and the reasons given for it are one computation. Depends on the
// counts alone, so any step may ask it.
KindSet excludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums);

// Whether a present heir kind receives nothing because a closer heir is present.
bool isExcluded(HeirKind kind, const KindCounts& counts);
bool isExcluded(HeirKind kind, const KindCounts& counts, const CountSums& sums);

// The excluders of `kind` that are not excluded themselves: an heir who
// inherits nothing excludes no one (with the father present, the grandfather
// is not what keeps the brothers out). Never empty for an excluded kind,
// since whatever excludes an excluder excludes the kind too.
KindSet inheritingExcludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums);

// The same questions under a school: where the grandfather shares with the
// full and consanguine brothers and sisters, he is not among their excluders.
bool isExcluded(HeirKind kind, const KindCounts& counts, School school);
KindSet inheritingExcludersOf(HeirKind kind, const KindCounts& counts, const CountSums& sums, School school);

}  // namespace qismaru
