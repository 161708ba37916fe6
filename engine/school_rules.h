#pragma once

#include "engine/compute_case.h"

namespace qismaru {

// Which rule of the schools answers a case otherwise than the Hanafi school.
enum class SchoolRule : std::uint8_t {
    None,                     // the Hanafi answer stands
    GrandfatherWithSiblings,  // the grandfather shares with the full and consanguine siblings
    SharedThird,              // the Mushtaraka: the full siblings share the uterine third
    SpouseTakesWhole,         // a lone spouse takes the whole by return
    NoReturn,                 // what the fixed shares leave goes to the public treasury
};

// The rule that changes the Hanafi answer of a case, given that answer (a
// return is known only once the shares are formed).
SchoolRule schoolRuleFor(const KindCounts& counts, const Positions& positions, const CaseResult& hanafi);

// Replaces the Hanafi answer in `computation` by the school's, where a rule
// of the school changes it: the shares, the base, the increase, the
// correction and the parts, the messages, and the decisions in the trace.
void applySchoolRules(const KindCounts& counts, const Positions& positions, CaseComputation& computation,
                      DecisionTrace* trace);

}  // namespace qismaru
