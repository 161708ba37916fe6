#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/path_case.h"

namespace qismaru {

// The solution's sentences about the distant kindred of a case, one for
// each decision of their division (engine/kindred_trace.h), in the order it
// was made: why they inherit or not, the school's method and where the
// schools differ on it, each placing («تُنزَّل بنت البنت منزلة البنت»), who
// keeps whom out and why, the placed heirs' case, each share passed down,
// the class and the rule applied. Shares are named as fractions of what the
// kindred divide. One sentence for each step of the trace, in its order;
// nothing for a case without distant kindred.
std::vector<std::string> kindredSentences(std::span<const RelativeEntry> entries, const PathComputation& computation,
                                          const KindredTrace& trace);

// The base on which the kindred's parts and the spouse's are all whole, of
// a case in which they inherit.
std::string kindredCorrectionSentence(const PathComputation& computation);

}  // namespace qismaru
