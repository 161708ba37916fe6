#pragma once

#include <array>
#include <cstdint>

#include "engine/compute_case.h"
#include "engine/fraction.h"

namespace qismaru {

// A computed case read as fractions of the estate, for the divisions that
// compose several cases (the cases that wait, those who died together):
// every head of a kind takes the kind's parts of the corrected base over its
// heads, and what the parts fall short of the base goes to no heir.
struct HeadShares {
    std::array<Fraction, kHeirKindCount> perHead{};
    Fraction noHeir;
};

// Why a case gives no shares.
enum class CaseRefusal : std::uint8_t {
    None,
    SchoolRefuses,     // more grandmothers than the school lets inherit together
    ValidationStop,    // a husband beside wives, or more than four wives
    BeyondExactRange,  // the corrected base, or a head's share, beyond the exact range
};

// The case computed by the positions, and its shares. A case without heirs
// is not computed: the whole goes to no heir.
CaseRefusal divideForShares(const KindCounts& counts, const Positions& positions, CaseComputation& computation,
                            HeadShares& shares);

// The shares of a case divideForShares has already computed for the same
// counts and positions: a division that meets the same case twice (two
// outcomes that add the same heirs) reads it again instead of computing it.
CaseRefusal sharesOf(const KindCounts& counts, const CaseComputation& computation, HeadShares& shares);

}  // namespace qismaru
