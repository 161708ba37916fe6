#pragma once

#include <ostream>

#include "answer/case_answer.h"

namespace qismaru::calc {

// An answer on a terminal: the school first (the same heirs have another
// answer under another), then the table, the case-wide values and what
// Calculate says, or with --explain the solution; with later deaths each
// death's table under a line naming its deceased, then the combined table
// (or each death's solution and the steps of the combined base); then the
// estate, if there is one, divided by the table that divides it.
void writeAnswerText(std::ostream& out, const CaseAnswer& answer);

}  // namespace qismaru::calc
