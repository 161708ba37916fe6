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
// The decisions about the distant kindred: kept out by an heir among the
// exclusions, else in a section of their own; and the base their parts and
// the spouse's are counted in, where they inherit.
void addKindredSteps(const SolutionContext& context, const KindredTrace& trace, std::vector<SolutionStep>& steps);
void addKindredCorrection(const SolutionContext& context, std::vector<SolutionStep>& steps);

}  // namespace qismaru
