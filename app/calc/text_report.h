#pragma once

#include <ostream>

#include "engine/compute_case.h"
#include "engine/path_case.h"

namespace qismaru::calc {

// The result table for a terminal: one line per row in the table's reading
// order (heir, share, portion, per head, percentage), then the header and
// totals lines, the case-wide values and the messages.
void writeTextReport(std::ostream& out, const KindCounts& counts, const CaseComputation& computation);

// A case by path: each relative as entered, named from his path, with his
// fraction of the estate, his parts of the corrected base and each head's,
// then the case-wide values and the messages.
void writePathReport(std::ostream& out, std::span<const RelativeEntry> relatives, const PathComputation& p);

}  // namespace qismaru::calc
