#pragma once

#include <span>
#include <string>

#include "engine/compute_case.h"

namespace qismaru::sweep {

// What is wrong with the step-by-step solution of one case under a school
// and positions, or "" when nothing is: a figure a step states that differs
// from the result's (the correction's groups, parts, heads and factors
// included), an entered kind not accounted for exactly once (excluded, or
// nothing left, or a fixed share and/or a residue, or decided by a school's
// rule), an excluder that is not an inheriting heir of the case, a sentence
// that denies a part to an heir who has one, a name out of its grammatical
// case or a verb or pronoun that does not agree with it, or a result that
// changed because the steps were asked for.
std::string solutionProblemOf(const KindCounts& counts, const Positions& positions = {});

// Every school, each also with a lone spouse's return, and no return under
// the two schools that held it.
std::span<const Positions> everyPositions();

// Whether a rule of the school answers the case otherwise than the Hanafi
// school, given the Hanafi answer. Where none does, the solution is the
// Hanafi one, checked once.
bool schoolRuleApplies(const KindCounts& counts, const Positions& positions, const CaseComputation& hanafi);

}  // namespace qismaru::sweep
