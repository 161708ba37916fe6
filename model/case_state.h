#pragma once

#include <array>
#include <cstdint>
#include <optional>

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
    // The kind chosen last: the one the count dialog counts. Empty while
    // nothing is entered (and the dialog is closed), so Calculate waits.
    std::optional<HeirKind> lastChosen;
    // Calculate has run to its end: the case takes no more entries.
    bool computed = false;

    bool nothingEntered() const { return !lastChosen; }
};

}  // namespace qismaru
