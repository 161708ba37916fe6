#pragma once

#include <span>

#include "estate/settlement.h"
#include "model/relative_case.h"

namespace qismaru::calc {

class JsonWriter;

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
