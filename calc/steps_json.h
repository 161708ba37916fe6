#pragma once

#include <vector>

#include "calc/json_writer.h"
#include "present/solution_steps.h"

namespace qismaru::calc {

// The solution as the array under "steps": one object per step, in the
// solution's order, each with "step" (its type), "text" (the Arabic sentence)
// and the fields of its type:
//   excluded      kind, by (the codes of every inheriting kind that excludes it)
//   fixed         kind, share ("n/d"), basis ("4:11", "sunnah", ...)
//   residue       kind, with (the codes it shares the remainder with)
//   nothing_left  kind
//   base          value
//   increase      from, to
//   return        from, to
//   correction    factor, to
//   division      kind, parts, heads, per_head
//   named         (the text alone)
void writeSteps(JsonWriter& json, const std::vector<SolutionStep>& steps);

}  // namespace qismaru::calc
