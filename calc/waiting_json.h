#pragma once

#include <optional>
#include <string>

#include "answer/case_answer.h"
#include "calc/case_json.h"
#include "calc/json_writer.h"

namespace qismaru::calc {

// A case that waits as one JSON object: its question ("counts" and the
// "unborn", "missing" or "khuntha" it was asked with), "school" and
// "positions", and
//   "waiting": {"given": [{"path", "label", "fraction"}...], "reserve": "r",
//               "outcomes": [{"outcome": "1m", "heirs": [...]}...]}
// every fraction of the whole estate, in lowest terms. The unborn child is
// "path": "unborn"; the missing and the khuntha keep their path, labelled
// "missing" and "khuntha". Where the school settles the khuntha at once,
// "given" is final, "reserve" is "0" and the outcomes are the estimates it
// weighed. What goes to no heir (the public treasury) is "undistributed",
// where there is any.
void writeWaitingResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                        std::optional<long> lineNumber = std::nullopt);

// Those who died together:
//   "together": [{"name": "A", "heirs": [{"path", "label", "fraction"}...]}...]
// each fraction of that death's own property; one of the dead who inherits
// is named by his name as "path", with "passedOn", the living heirs his
// part goes to, as fractions of the same property.
void writeTogetherResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                         std::optional<long> lineNumber = std::nullopt);

// Why the case that waits, or of those who died together, is not divided,
// in one English line; "" when it is.
std::string waitingRefusalText(const CaseAnswer& answer);
bool waitingBeyondExactRange(const CaseAnswer& answer);

}  // namespace qismaru::calc
