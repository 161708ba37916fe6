#pragma once

#include <ostream>

#include "calc/later_deaths_answer.h"

namespace qismaru::calc {

// A case with later deaths on a terminal: the school, the first death's
// table, each later death's table under a line naming its deceased, then the
// combined table (with --explain, each death's solution and the steps of the
// combined base instead of the tables); then the estate, if there is one,
// divided by the combined table.
void writeLaterDeathsText(std::ostream& out, const LaterDeathsAnswer& answer);

}  // namespace qismaru::calc
