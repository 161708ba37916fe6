#pragma once

// Cases whose corrected base lies just below 2^53, where a double no longer
// holds every part to the last unit: each is checked against rational
// arithmetic (GMP), part by part.

#include <cstdint>

#include "tests/sweep/case_sweep.h"

namespace qismaru::sweep {

struct NearLimitReport {
    std::int64_t generated = 0;  // random cases computed to find the near-limit ones
    std::int64_t checked = 0;    // cases with a corrected base between 2^50 and 2^53
    std::int64_t findingCount = 0;
    std::vector<Finding> findings;  // the first few only
};

// Draws random large-count cases (seeded, so a finding reproduces) until
// `wanted` of them have a corrected base of at least 2^50, and checks each.
NearLimitReport checkNearLimit(std::int64_t wanted, std::uint64_t seed);

}  // namespace qismaru::sweep
