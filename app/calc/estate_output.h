#pragma once

#include <ostream>
#include <span>

#include "estate/combined_settlement.h"
#include "estate/settlement.h"

namespace qismaru::calc {

class JsonWriter;

// The settlement after the table on a terminal: the claims, the heirs'
// amounts, what no heir takes, the rounding difference and the notes, in
// Arabic, the columns separated by " | " as the table's are.
void writeEstateText(std::ostream& out, const estate::Settlement& settlement, const KindCounts& counts,
                     const CaseResult& result);
void writePathEstateText(std::ostream& out, const estate::Settlement& settlement,
                         std::span<const RelativeEntry> relatives, const PathComputation& computation);

// The first estate divided by the combined table of successive deaths, in
// the same form: one line per group of surviving persons.
void writeCombinedEstateText(std::ostream& out, const estate::CombinedSettlement& settlement,
                             const CombinedTable& table);

// The member "estate" of a result object. Amounts are decimal strings with
// exactly the chosen decimals; "exact" and "perHeadExact" are fractions of
// the major unit in lowest terms. A case without a table has no division:
// "kinds" is empty and the division's amounts are null. "notes" are the
// settlement's notes in Arabic, as the text and the window give them. A
// case by path has its relatives' amounts under "relatives" instead, one
// for each who receives parts, in the order entered, with "path" and
// "label" as under "heirs"; `counts` are then those of the kinds it was
// divided over.
void writeEstateJson(JsonWriter& json, const estate::Settlement& settlement, const KindCounts& counts,
                     std::span<const RelativeEntry> relatives = {});

}  // namespace qismaru::calc
