#pragma once

#include <iosfwd>

#include "calc/case_json.h"

namespace qismaru::calc {

// One JSON result per input line, in order, so that output line n answers
// input line n; a bad line gets an error object and the run goes on. Returns
// the exit status.
// With `explain`, every result carries its solution under "steps".
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, ResultFields fields, bool explain = false,
             const Positions& positions = {});

}  // namespace qismaru::calc
