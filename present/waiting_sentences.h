#pragma once

#include <vector>

#include "engine/died_together.h"
#include "engine/waiting_division.h"
#include "present/solution_steps.h"

namespace qismaru {

// The solution of a case that waits, from the engine's division: what waits
// and how the school reckons it («التقدير»), each outcome's case (its base
// and each heir's share of the estate), why each heir is given what he is
// given now («يعطى الأقل»), and what is held back («يوقف الباقي») until the
// state is known. Nothing for a refused division.
// With the outcome once known and recorded, a last sentence says what the
// reserve then pays each heir, or what he gives back.
std::vector<SolutionStep> waitingSteps(const WaitingCase& wait, const WaitingDivision& division,
                                       const WaitingOutcome* recorded = nullptr, const ReservePayout* payout = nullptr);

// Those who died together: why none of them inherits from another (or the
// Hanbali rule of the old property), then each one's estate as divided.
std::vector<SolutionStep> togetherSteps(const DiedTogether& together, const TogetherDivision& division, School school);

}  // namespace qismaru
