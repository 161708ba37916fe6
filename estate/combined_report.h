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
// rounding difference. The amounts are grouped in threes for the eye, as the
// window shows them, unless `grouping` refuses it (a terminal, as for a
// single case).
EstateReport buildCombinedReport(const CombinedSettlement& settlement, const CombinedTable& table,
                                 DigitGrouping grouping = DigitGrouping::Accepted);

}  // namespace qismaru::estate
