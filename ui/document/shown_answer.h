#pragma once

#include <optional>
#include <vector>

#include "engine/combined_base.h"
#include "engine/compute_case.h"
#include "engine/step_trace.h"
#include "estate/estate_report.h"
#include "files/case_file_later.h"
#include "model/heir_kind.h"
#include "model/positions.h"
#include "present/solution_steps.h"

namespace qismaru::ui {

// Heirs of the first deceased who died before the division, each with his
// own case, joined in the combined table (الجامعة).
struct SuccessiveDeaths {
    std::vector<LaterDeath> later;
    std::vector<DeathCase> deaths;  // every death's case, the first at 0
    std::vector<StepTrace> traces;  // the decisions of each later death's case, the second death's at 0
    CombinedTable table;            // complete only when they joined
    DeathsRefusal refusal;

    bool joined() const { return !refusal.refused(); }
    // Each later death's solution, as the first death's is written.
    std::vector<SolutionStep> solution(std::size_t laterDeath) const;
    // Why they do not join, in Arabic; "" when they do.
    std::string refusalText() const;
};

// The answer of the case on the main window: everything its views show (the
// table, the title and its mark, the solution, the settlement of the
// estate, the combined table of later deaths, the printed pages and what is
// copied). The case document owns it and computes it once per change; the
// views render it and keep nothing of their own, so that no two windows can
// show two answers.
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
    // Heirs who died before the division, as the user entered them; once the
    // case is divided, their cases joined to the first (nothing without them).
    std::vector<estate::LaterDeathEntry> later;
    std::optional<SuccessiveDeaths> successive;
    // The estate divided by the table, or by the combined table when there
    // are later deaths: when an estate is given and the case was computed (a
    // stopped case settles the claims alone; later deaths that do not join,
    // nothing, since the first table would pay the dead).
    std::optional<estate::EstateReport> settlement;

    bool computed() const { return computation.has_value(); }
    bool divided() const { return computation && computation->outcome == CaseOutcome::Computed; }
    // The later deaths joined in a combined table, which their views show.
    bool joined() const { return successive && successive->joined(); }
    const CaseResult& result() const;
    // The solution as a teacher writes it, rendered from the recorded
    // decisions when a view asks for it; empty unless the case was divided.
    std::vector<SolutionStep> solution() const;
};

// The case as entered, not yet answered.
ShownAnswer openAnswer(const KindCounts& counts, const Positions& positions,
                       const std::vector<estate::LaterDeathEntry>& later = {});

// The case answered under the positions: the engine once, recording its
// decisions, the comparison with the Hanafi answer, each later death's case
// joined to it, and the settlement of the estate when one is given. Beyond
// exact computation the computation's outcome says so, and nothing else is
// filled in.
ShownAnswer computeAnswer(const KindCounts& counts, const Positions& positions,
                          const std::optional<estate::EstateInputs>& estate,
                          const std::vector<estate::LaterDeathEntry>& later = {});

// The persons of a divided answer so far, as the next later death sees
// them: the combined table of the later deaths joined, or the first death's
// heirs alone.
SuccessiveDeaths personsSoFar(const ShownAnswer& answer);

// The settlement of `estate` by an answer's computation, or its combined
// table, naming the school it follows; nothing for an open case or no estate.
std::optional<estate::EstateReport> settlementOf(const ShownAnswer& answer,
                                                 const std::optional<estate::EstateInputs>& estate);

}  // namespace qismaru::ui
