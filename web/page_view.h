#pragma once

#include <string>

namespace qismaru::web {

// Everything the page shows of one batch line, computed once: what
// Calculate says (the calculator's messages), the solution's steps as
// `qismaru-calc --explain` writes them, the result table as rows of columns,
// each row with its heir's code and parts; the settlement of the estate as
// the desktop's window lays it out; whether the answer differs from the
// Hanafi one and the mark that says so, naming the position that makes it
// differ; and the whole as plain text for copying. JSON:
//   {"outcome": "computed" | "stopped" | "beyond" | "refused", "error",
//    "positionsLine", "messages": [...], "steps": [...],
//    "differsFromHanafi", "differenceMark", "differenceNote", "surplus",
//    "table": {"rows": [{"kind", "parts", "cells": {"name", "share",
//              "parts", "perHead", "percentage"}}], "base",
//              "percentageTitle", "totals": [...]},
//    "estate": {"title", "claims", "columns", "kinds", "closing", "notes",
//               "text"} or null,
//    "text"}
std::string viewOfLine(const std::string& line);

}  // namespace qismaru::web
