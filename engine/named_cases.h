#pragma once

#include "engine/messages.h"
#include "model/heir_kind.h"

namespace qismaru {

// The messages Calculate shows for a case: the two validation rules first,
// then every named case whose conditions hold, in their fixed order.
// `uterineBrother`: a uterine brother is known among the uterine siblings.
void collectCaseMessages(const KindCounts& counts, MessageList& messages, bool uterineBrother = false);

// Husband, mother or grandmother, two or more uterine siblings and full
// brothers, with no descendant, father or grandfather: the Mushtaraka.
bool isMushtaraka(const KindCounts& counts);

}  // namespace qismaru
