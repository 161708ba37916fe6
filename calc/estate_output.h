#pragma once

#include "estate/settlement.h"

namespace qismaru::calc {

class JsonWriter;

// The member "estate" of a result object. Amounts are decimal strings with
// exactly the chosen decimals; "exact" and "perHeadExact" are fractions of
// the major unit in lowest terms. A case without a table has no division:
// "kinds" is empty and the division's amounts are null. "notes" are the
// settlement's notes in Arabic, as the text and the window give them.
void writeEstateJson(JsonWriter& json, const estate::Settlement& settlement, const KindCounts& counts);

}  // namespace qismaru::calc
