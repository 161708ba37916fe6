#pragma once

#include <optional>

#include "answer/case_answer.h"
#include "calc/case_json.h"
#include "calc/json_writer.h"

namespace qismaru::calc {

// A case with later deaths as one JSON object: the first death's members as
// for a single case, then
//   "later": one object per later death, its "deceased" and "same" and the
//            members of a single case's result;
//   "combined": {"base": J, "deaths": [...], "heirs": [...], "undistributed": {...}}
//            with each surviving group's "ref", "also", "count", "parts" and
//            "fraction" (of the first estate, in lowest terms), their money
//            with an estate, and "steps" with --explain.
// Deaths that cannot be joined give {"error": "death N: ...", "line": n}.
void writeLaterDeathsResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                            std::optional<long> lineNumber = std::nullopt);

// The result object of any answer: with later deaths as above, a case that
// waits or those who died together as waiting_json.h writes them, else a
// single case's (case_json.h).
void writeResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                 std::optional<long> lineNumber = std::nullopt);

}  // namespace qismaru::calc
