#pragma once

#include "engine/combined_base.h"
#include "estate/combined_settlement.h"
#include "estate/estate_report.h"

namespace qismaru::estate {

// The first estate settled by the combined table, as the window, its page
// and its copy show a settlement: the claims and their notes as for a single
// death, then a line per group of surviving persons in the order of the
// combined table (its label, count, part of the first estate, parts of the
// combined base, amount and amount per head), what no heir takes, and the
// rounding difference.
EstateReport buildCombinedReport(const CombinedSettlement& settlement, const CombinedTable& table);

}  // namespace qismaru::estate
