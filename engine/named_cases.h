#pragma once

#include "engine/messages.h"
#include "model/heir_kind.h"

namespace qismaru {

// The messages Calculate shows for a case: the two validation rules first,
// then every named case whose conditions hold, in their fixed order.
void collectCaseMessages(const KindCounts& counts, MessageList& messages);

}  // namespace qismaru
