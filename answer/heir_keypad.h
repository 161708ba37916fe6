#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/case_entry.h"

namespace qismaru {

// What a press of an heir's button, or OK of the count, comes to.
enum class KeyOutcome : std::uint8_t {
    Ignored,   // the case is computed, the kind is entered already, or a count of 0
    Entered,   // the kind took a row of the entry list
    AskCount,  // a counted kind: how many must be asked
    Refused,   // refused, and the user is told why
};

struct KeyPress {
    KeyOutcome outcome = KeyOutcome::Ignored;
    HeirKind kind = HeirKind::Mother;
    int row = 0;          // Entered: the entry list's row
    int count = 0;        // Entered: how many
    std::string refusal;  // Refused: why, in the words the user reads
};

// The heir buttons and the count of one death's heirs, by the entry rules
// (model/case_entry.h), with the refusals worded: the main window and its
// count dialog, a later death's dialog and the web page enter heirs alike.
class HeirKeypad {
public:
    KeyPress press(HeirKind kind, School school);
    // OK of the count for the kind pressed last.
    KeyPress count(int count, School school);
    // Cancel (or Escape, or the close box) of the count.
    void cancelCount();
    // The row emptied, or nothing when nothing could be withdrawn.
    std::optional<int> cancelLast();
    void clear();

    const CaseState& state() const { return state_; }
    void replace(const CaseState& state) { state_ = state; }
    // Calculate ran to its end, or its answer was withdrawn.
    void close() { markComputed(state_); }
    void reopen() { reopenCase(state_); }
    std::vector<HeirEntry> heirs() const { return enteredHeirs(state_); }

private:
    CaseState state_;
};

// A case's heirs entered one by one on a new case as their buttons and the
// count enter them under the school: the case, or why the first one refused
// does not enter (the words its button or the count would say, or that it
// does not enter with that count).
struct HeirsEntered {
    std::optional<CaseState> state;
    std::string refusal;
};
HeirsEntered enterAll(const std::vector<HeirEntry>& heirs, School school);

}  // namespace qismaru
