#pragma once

#include <optional>
#include <string_view>

#include "estate/settlement.h"
#include "model/heir_kind.h"

namespace qismaru::calc {

// The heirs and the estate of such a line.
struct PlainEstateLine {
    KindCounts counts;
    estate::EstateInputs estate;
};

// Reads the common batch line with an estate,
// {"counts": {"h":1,"d":3}, "estate": {"gross": "120000.50", "decimals": 2}}
// (the two members in either order; the estate's amounts plain ASCII
// strings, each member once), without building a JSON document. Any other
// line, and any line the full reading would refuse, gives nothing and is
// read in full, so this answers exactly as the full reading would.
std::optional<PlainEstateLine> readPlainEstateLine(std::string_view line);

}  // namespace qismaru::calc
