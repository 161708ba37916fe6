#pragma once

#include "engine/count_sums.h"
#include "model/heir_kind.h"

namespace qismaru {

// The two 'Umariyyatan: the mother and the father with a spouse and no
// descendants. The mother takes a third of what the spouse leaves, not of
// the estate, so that she never takes more than the father. With two or more
// brothers or sisters (even excluded ones) the mother already has her sixth
// and the question never arises: the case is an ordinary one.
// These are the only definitions; the share steps and the messages ask them.
bool umariyyatanHusbandForm(const KindCounts& counts, const CountSums& sums);
bool umariyyatanWifeForm(const KindCounts& counts, const CountSums& sums);

}  // namespace qismaru
