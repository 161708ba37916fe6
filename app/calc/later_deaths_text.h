#pragma once

#include <ostream>

#include "app/calc/later_deaths_answer.h"

namespace qismaru::calc {

// A case with later deaths on a terminal: the first death's table (and the
// settlement of its estate), each later death's table under a line naming
// its deceased, then the combined table (and the estate divided by it); with
// --explain, each death's solution and the steps of the combined base.
void writeLaterDeathsText(std::ostream& out, const LaterDeathsAnswer& answer);

}  // namespace qismaru::calc
