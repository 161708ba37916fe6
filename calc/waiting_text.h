#pragma once

#include <ostream>

#include "answer/case_answer.h"

namespace qismaru::calc {

// A case that waits on a terminal: each heir with what he is given now
// ("يعطى الآن") and what is held back ("موقوف"), then each outcome's
// division, every figure a fraction of the estate.
void writeWaitingText(std::ostream& out, const CaseAnswer& answer);

// Those who died together: each death's own property and its heirs, and what
// one of the dead inherits passed on to his living heirs.
void writeTogetherText(std::ostream& out, const CaseAnswer& answer);

}  // namespace qismaru::calc
