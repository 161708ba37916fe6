#pragma once

#include <string>

#include "answer/case_answer.h"
#include "calc/json_writer.h"

namespace qismaru::web {

// A case that waits, or of those who died together, in the page's view: the
// division laid out as the books lay it out (answer/waiting_table.h), the
// outcomes a user may record and the one recorded:
//   "waiting": null, or {"claims": [{"label", "amount"}], "division":
//     {"columns", "rows"}, "provision", "recordedHeading", "recorded":
//     {"columns", "rows"}, "outcomes": [{"name", "heading"}], "outcome",
//     "togetherRule", "together": [{"heading", "columns", "rows"}]}
void writeWaiting(calc::JsonWriter& json, const CaseAnswer& answer);

// The same tables as text to paste, a row to a line, the cells separated by
// tabs; "" for an answer that does not wait.
std::string waitingText(const CaseAnswer& answer);

// Whether the answer is one of these divisions rather than a table.
bool dividedApart(const CaseAnswer& answer);

}  // namespace qismaru::web
