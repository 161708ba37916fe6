#pragma once

#include <vector>

#include "present/solution_context.h"
#include "present/solution_steps.h"

namespace qismaru {

// The steps of a case written by path beyond those of its division over the
// kinds (the context carries its relatives): each relative kept out before
// the division, and each relative's parts, by the kinds' reading order and
// then as entered.
void addStandingSteps(const SolutionContext& context, std::vector<SolutionStep>& steps);
void addEntryDivisions(const SolutionContext& context, std::vector<SolutionStep>& steps);

}  // namespace qismaru
