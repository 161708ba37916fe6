#pragma once

// Chains of successive deaths drawn at random (seeded, so that a finding
// reproduces), each joined by the engine and checked against rational
// arithmetic (GMP) computed apart from it: every group's share of the first
// estate is the sum over the deaths of its share of each case times the
// estate its deceased left, the shares and what no heir takes add up to the
// whole, every part is whole, and an estate settled by the combined table
// reconciles to the minor unit.

#include <cstdint>
#include <string>
#include <vector>

namespace qismaru::sweep {

struct ChainReport {
    std::int64_t checked = 0;  // chains joined and checked
    std::int64_t beyond = 0;   // chains whose combined base passed 2^53 (refused, as they must be)
    std::int64_t deaths = 0;   // later deaths in the checked chains
    std::int64_t findingCount = 0;
    std::vector<std::string> findings;  // the first few, each naming its chain
};

ChainReport checkDeathChains(std::int64_t wanted, std::uint64_t seed);

}  // namespace qismaru::sweep
