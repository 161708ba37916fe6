#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/heir_kind.h"

namespace qismaru {

// The case being entered on the main window. There is one case at a time;
// the entry commands (case_entry.h) are the only code that changes it.
struct CaseState {
    KindCounts counts;
    // The entry-list row at which each kind was last entered. A cancelled
    // entry or an earlier case may leave an old row behind; it is harmless,
    // because only kinds with a non-zero count are ever removed by row.
    std::array<std::optional<std::int16_t>, kHeirKindCount> entryRow{};
    std::int16_t nextRow = 1;
    std::string currentCode = " ";  // " " means nothing has been entered
    std::int16_t caseComputed = 0;
    std::optional<std::int16_t> welcomeShown;

    bool nothingEntered() const { return currentCode == " "; }
    bool computed() const { return caseComputed == 1; }
};

}  // namespace qismaru
