#pragma once

#include "engine/count_sums.h"
#include "engine/school_division.h"

namespace qismaru {

// The grandfather, without the father, beside full or consanguine brothers
// or sisters and no male descendant, in a school where he shares with them.
bool grandfatherWithSiblings(const KindCounts& counts, const CountSums& sums, School school);

// Such a case divided after Zayd ibn Thabit (and, for the Maliki school,
// al-Malikiyya after Malik): the sharers keep their Hanafi shares, the
// grandfather takes the best of his options, the siblings the rest.
void divideWithGrandfather(const KindCounts& counts, const CountSums& sums, School school, const CaseResult& hanafi,
                           GroupedShares& d, MessageList& messages, DecisionTrace* trace);

}  // namespace qismaru
