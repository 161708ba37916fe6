#pragma once

#include <optional>

#include "calc/json_writer.h"
#include "calc/later_deaths_answer.h"

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
void writeLaterDeathsResult(JsonWriter& json, const LaterDeathsAnswer& answer, ResultFields fields,
                            std::optional<long> lineNumber = std::nullopt);

}  // namespace qismaru::calc
