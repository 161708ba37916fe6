#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/compute_case.h"
#include "engine/path_case.h"

namespace qismaru::calc {

// The result table for a terminal: one line per row in the table's reading
// order (heir, share, portion, per head, percentage), then the header and
// totals lines, the case-wide values, and what Calculate says of it, one
// line each.
void writeTextReport(std::ostream& out, const KindCounts& counts, const CaseComputation& computation,
                     const std::vector<std::string>& said);

// The same for a case by path: one line for each relative, in the order entered.
void writePathReport(std::ostream& out, std::span<const RelativeEntry> relatives, const PathComputation& p,
                     const std::vector<std::string>& said);

}  // namespace qismaru::calc
