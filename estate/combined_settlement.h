#pragma once

#include <cstddef>
#include <vector>

#include "engine/combined_base.h"
#include "estate/settlement.h"

namespace qismaru::estate {

// The first deceased's estate settled by the combined table of successive
// deaths: the claims on it as for a single death, then the net divided
// among the surviving persons by their parts of the combined base, each
// head's amount rounded by the same rule as a single case's.

// One group of surviving persons: all its heads together, and each.
// A group of surviving persons' amounts, by its parts of the combined base.
struct GroupAmount : HeadsAmount {
    std::size_t group = 0;  // its index in the combined table's groups
};

struct CombinedSettlement : Leftover {
    EstateInputs inputs;
    Claims claims;
    std::int64_t base = 0;  // the combined base
    // In the order of the table's groups, one per surviving group with parts.
    std::vector<GroupAmount> groups;
};

CombinedSettlement settleCombined(const EstateInputs& inputs, const CombinedTable& table);

// The same as a single death's settlement without its kinds: the claims,
// the net, what no heir takes and the rounding difference, which are a
// single settlement's; the heirs' money is the groups' of the combined table.
Settlement withoutKinds(const CombinedSettlement& combined);

}  // namespace qismaru::estate
