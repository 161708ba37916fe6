#pragma once

#include <ostream>

#include "engine/compute_case.h"
#include "engine/path_case.h"

namespace qismaru::calc {

// The result table for a terminal: one line per row in the table's reading
// order (heir, share, portion, per head, percentage), then the header and
// totals lines, the case-wide values and the messages.
void writeTextReport(std::ostream& out, const KindCounts& counts, const CaseComputation& computation);

// The same for a case by path: one line for each relative, in the order entered.
void writePathReport(std::ostream& out, std::span<const RelativeEntry> relatives, const PathComputation& p);

}  // namespace qismaru::calc
