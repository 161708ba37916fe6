#pragma once

#include <optional>
#include <string_view>

#include "calc/case_input.h"

namespace qismaru::calc {

// Reads the common batch line with an estate,
// {"counts": {"h":1,"d":3}, "estate": {"gross": "120000.50", "decimals": 2}}
// (the two members in either order; the estate's amounts plain ASCII
// strings, each member once), without building a JSON document. Any other
// line, and any line the full reading would refuse, gives nothing and is
// read in full, so this answers exactly as the full reading would.
std::optional<CaseInput> readPlainEstateLine(std::string_view line);

}  // namespace qismaru::calc
