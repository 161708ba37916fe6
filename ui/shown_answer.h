#pragma once

#include <optional>
#include <vector>

#include "engine/compute_case.h"
#include "engine/step_trace.h"
#include "estate/estate_report.h"
#include "model/heir_kind.h"
#include "model/positions.h"
#include "present/solution_steps.h"

namespace qismaru::ui {

// The answer of the case on the main window: everything its views show (the
// table, the title and its mark, the solution, the settlement of the
// estate, the printed page and what is copied). The case document owns it
// and computes it once per change; the views render it and keep nothing of
// their own, so that no two windows can show two answers. A further part of
// the answer (the later deaths and their combined table) is a further
// member here, and its view another listener.
struct ShownAnswer {
    KindCounts counts;    // the heirs entered
    Positions positions;  // the school and positions they are answered by
    // Calculate's computation, and the decisions it took on the way; nothing
    // while the case is open (being entered, or withdrawn).
    std::optional<CaseComputation> computation;
    StepTrace trace;
    // Whether the table gives another answer than the Hanafi school's without
    // the extra positions, and the mark that then says which position makes
    // it differ.
    bool differsFromHanafi = false;
    std::string differenceMark;
    // The estate divided by the table: when an estate is given and the case
    // was computed (a stopped case settles the claims alone).
    std::optional<estate::EstateReport> settlement;

    bool computed() const { return computation.has_value(); }
    bool divided() const { return computation && computation->outcome == CaseOutcome::Computed; }
    const CaseResult& result() const;
    // The solution as a teacher writes it, rendered from the recorded
    // decisions when a view asks for it; empty unless the case was divided.
    std::vector<SolutionStep> solution() const;
};

// The case as entered, not yet answered.
ShownAnswer openAnswer(const KindCounts& counts, const Positions& positions);

// The case answered under the positions: the engine once, recording its
// decisions, the comparison with the Hanafi answer, and the settlement of
// the estate when one is given. Beyond exact computation the computation's
// outcome says so, and nothing else is filled in.
ShownAnswer computeAnswer(const KindCounts& counts, const Positions& positions,
                          const std::optional<estate::EstateInputs>& estate);

// The settlement of `estate` by an answer's computation, naming the school
// it follows; nothing for an open case or no estate.
std::optional<estate::EstateReport> settlementOf(const ShownAnswer& answer,
                                                 const std::optional<estate::EstateInputs>& estate);

}  // namespace qismaru::ui
