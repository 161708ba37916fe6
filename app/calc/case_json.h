#pragma once

#include <string>

#include "engine/compute_case.h"

namespace qismaru::calc {

// One computed case as the calculator's JSON object, on one line: the counts,
// whether a validation stop happened, the messages, every kind's share, the
// six case-wide values, and the placed texts of the screen and the paper. A
// case beyond the exact range gives {"counts": ..., "error": ...} instead.
std::string caseToJson(const KindCounts& counts, const CaseComputation& computation);

// An input that could not be read as a case: {"error": ..., "line": n}.
std::string errorToJson(const std::string& why, long lineNumber);

// What the calculator says of a case whose corrected base passes 2^53.
extern const char* const kBeyondExactRangeError;

}  // namespace qismaru::calc
