#pragma once

#include <string>

#include "answer/case_answer.h"

namespace qismaru::web {

// Everything the page shows of an answer, as JSON, written once from it:
// what Calculate says, the solution's steps as `qismaru-calc --explain`
// writes them, the result table as rows of columns, each row with its
// heir's code and parts; the settlement of the estate as the desktop's
// window lays it out; whether the answer differs from the Hanafi one and the
// mark that says so; the later deaths, each with its heading, heirs and
// solution, and the combined table; and the whole as plain text for copying:
//   {"outcome": "open" | "computed" | "stopped" | "beyond" | "waiting" | "together",
//    "positionsLine", "messages": [...] (the calculator's), "surplus",
//    "announcements": [...] (all that Calculate says), "steps": [...],
//    "differsFromHanafi", "differenceMark", "differenceNote",
//    "table": {"rows": [{"kind", "parts", "cells": {"name", "share",
//              "parts", "perHead", "percentage"}}], "base",
//              "percentageTitle", "totals": [...]},
//    "estate": {"title", "claims", "columns", "kinds", "closing", "notes",
//               "text"} or null,
//    "later": null, or {"count", "joined", "refusal", "deaths": [{"heading",
//             "heirs", "steps": [...]}], "combinedSteps": [...],
//             "combined": {"title", "positions", "deaths", "header",
//             "rows", "diedAs", "text"}},
//    "waiting": null, or the division of a case that waits, or of those
//               who died together (page_waiting_view.h),
//    "canAddLater", "text"}
// A case that waits is "waiting", those who died together "together".
std::string viewOf(const CaseAnswer& answer);

// The view of one batch line's answer, with its steps; a line refused gives
// {"outcome": "refused", "error": "..."}.
std::string viewOfLine(const std::string& line);

}  // namespace qismaru::web
