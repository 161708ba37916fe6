#pragma once

#include <string>

#include "model/heir_kind.h"

namespace qismaru::sweep {

// What is wrong with the step-by-step solution of one case, or "" when
// nothing is: a figure a step states that differs from the result's, an
// entered kind not accounted for exactly once (excluded, or nothing left, or
// a fixed share and/or a residue), an excluder that is not an inheriting
// heir of the case, or a result that changed because the steps were asked for.
std::string solutionProblemOf(const KindCounts& counts);

}  // namespace qismaru::sweep
