#pragma once

#include <string>
#include <vector>

#include "engine/waiting_division.h"

namespace qismaru {

// The parts of a waiting division that make and divide its outcomes, used by
// divideWaiting and by the recording of an outcome.

// The present kinds in kind order, then the unborn child, the missing heirs
// and each heir of unclear sex.
std::vector<Claimant> claimantsOf(const WaitingCase& wait);

// Every outcome the division provides for, `children` being the most born:
// the births (none, then for each number all boys, all girls, and the
// mixtures), within each the missing alive then dead, within each the
// unclear heirs' sexes where they wait, men first.
std::vector<OutcomeKey> outcomeKeys(const WaitingCase& wait, UnclearRule rule, int children);

std::string outcomeName(const WaitingCase& wait, UnclearRule rule, const OutcomeKey& key);

// The outcome's division: one case, or the unclear heirs' estimates settled
// by the rule. A case that `earlier` (the outcomes the division has made, all
// without a problem) or the outcome's own estimates have already met is read
// again, not computed. A problem leaves the outcome incomplete.
WaitingOutcome divideOutcome(const WaitingCase& wait, const Positions& positions, UnclearRule rule,
                             const std::vector<Claimant>& claimants, const OutcomeKey& key,
                             const std::vector<WaitingOutcome>& earlier, WaitingProblem& problem);

}  // namespace qismaru
