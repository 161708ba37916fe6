#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/case_result.h"
#include "engine/decision_trace.h"
#include "engine/messages.h"
#include "model/heir_kind.h"
#include "model/positions.h"

namespace qismaru {

enum class CaseOutcome : std::uint8_t {
    Computed,          // every share, base and correction is set
    ValidationStop,    // husband with wives, or more than four wives: messages only
    BeyondExactRange,  // the corrected base would pass 2^53: no exact table exists
};

struct CaseComputation {
    CaseResult result;
    MessageList messages;
    CaseOutcome outcome = CaseOutcome::Computed;
    // The school and positions the case was answered by.
    Positions positions{};

    bool stopped() const { return outcome == CaseOutcome::ValidationStop; }
};

// The whole division of one case, from the counts to every share, the base,
// the increase or return, the correction and the named-case messages.
// Pure: no I/O, no allocation. With a trace, every decision is also noted in
// it, in the order it was made (the trace is emptied first).
CaseComputation computeCase(const KindCounts& counts, DecisionTrace* trace = nullptr);

// The same case answered by the given school and positions. The Hanafi
// school with no extra position gives exactly the answer above.
CaseComputation computeCase(const KindCounts& counts, const Positions& positions, DecisionTrace* trace = nullptr);

// What a division runs over: the heads of each of the 21 kinds, and what a
// case entered by path holds beyond them (engine/path_case.h resolves each
// relative to the kind by whose rules he inherits).
struct Capacities {
    KindCounts counts;
    // The heads of a level of son's daughters who hold the completing sixth
    // above a son's son (CompletingSixth).
    int completingSixth = 0;
    // A uterine brother is known to be among the uterine siblings: their sex
    // was given, so a case that needs them to be women is not that case.
    bool uterineBrother = false;
};

// The same division over capacities; with nothing beyond the 21 kinds it is
// exactly the division of their counts.
CaseComputation computeCase(const Capacities& capacities, const Positions& positions, DecisionTrace* trace = nullptr);

// Whether the case's answer gives any heir another part of the estate, or
// leaves another part undistributed, than the Hanafi answer: what the table
// marks for a user of another school.
bool differsFromHanafi(const KindCounts& counts, const CaseComputation& computation);

// A description of the first broken rule of a computed case, or nothing.
// computeCase checks it in debug builds; the tests check it over many cases.
std::optional<std::string_view> findInvariantViolation(const KindCounts& counts, const CaseComputation& computation);

}  // namespace qismaru
