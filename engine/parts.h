#pragma once

#include <cstdint>

#include "engine/case_result.h"

namespace qismaru {

// A kind's parts of the final corrected base: what the result table shows in
// its portion column. The spouse's fixed parts never carry the return factor.
// 0 for a kind that receives nothing.
std::int64_t partsOf(HeirKind kind, const CaseResult& result);

// The base after any increase or return, and the corrected base, as shown
// under the table.
std::int64_t increasedOrReducedBaseOf(const CaseResult& result);
std::int64_t finalBaseOf(const CaseResult& result);

}  // namespace qismaru
