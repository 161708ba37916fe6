#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "answer/later_deaths.h"
#include "engine/compute_case.h"
#include "engine/decision_trace.h"
#include "engine/died_together.h"
#include "engine/kindred_trace.h"
#include "engine/path_case.h"
#include "engine/waiting_division.h"
#include "estate/combined_settlement.h"
#include "estate/estate_report.h"
#include "estate/settlement.h"
#include "estate/waiting_settlement.h"
#include "model/heir_kind.h"
#include "model/positions.h"
#include "present/result_table.h"
#include "present/solution_steps.h"

namespace qismaru {

// A case as it is asked: the heirs of the first deceased, the school and
// positions, the estate when one is given, and the heirs who died before the
// division, each with his own heirs.
struct CaseQuestion {
    KindCounts counts;
    Positions positions;
    std::optional<estate::EstateInputs> estate{};
    std::vector<LaterDeath> later{};
    // The relatives as entered, in order, and whether any of them is written
    // by a path beyond the 21 kinds ("s.s.s", "f.m", "mut"): such a case is
    // divided by path, a row for each relative.
    std::vector<RelativeEntry> relatives{};
    bool byPath = false;
    // Beside the heirs of `counts`, one whose existence, life or sex is not
    // known yet: the case is divided for each possibility, with a reserve.
    std::optional<UnbornChild> unborn{};
    std::optional<MissingHeirs> missing{};
    std::optional<UnclearHeirs> unclear{};
    // Those who died together, in an unknown order: a question of its own,
    // each death with his living heirs, and `counts` empty.
    std::optional<DiedTogether> together{};
    // The outcome of what waits once it is known, named as the division
    // names it ("1m", "alive", "male", ...): "" while it waits.
    std::string outcome{};

    bool waits() const { return unborn || missing || unclear; }
};

// The outcome of a case that waits, recorded once it is known: its division
// (also one beyond those provided for: three children under the Hanafi
// one), what the reserve pays to whom, and, with an estate, its money.
struct RecordedOutcome {
    std::string name;
    bool fits = false;  // the name is an outcome of what waits
    WaitingProblem problem = WaitingProblem::None;
    WaitingOutcome outcome;
    std::optional<ReservePayout> payout;
    std::optional<estate::OutcomeAmounts> amounts;
};

// How much of the answer is worked out: its figures alone, as a batch asks
// for them, or with every decision recorded for the solution as well.
enum class Detail : bool { Figures, Steps };

// Who reads a settlement: a page (the windows, their printed pages, the web
// page and what they copy), with its amounts grouped in threes and the
// school it follows named first among its notes; or a terminal, where a
// script reads the amounts as they are and the school heads the output.
enum class Reader : bool { Page, Terminal };

// The answer of a case: everything the front ends show, computed once by
// answerCase(); every view renders it and computes nothing of its own, so
// that no two views can say two things. Open (not computed) while the case
// is being entered.
struct CaseAnswer {
    CaseQuestion question;
    // Calculate's computation, and the decisions it took on the way when the
    // answer was asked with its steps; nothing while the case is open. The
    // trace is large and never changes once recorded: the copies of an
    // answer share it, and a batch, which asks for the figures alone, has none.
    std::optional<CaseComputation> computation;
    std::shared_ptr<const DecisionTrace> trace;
    // With the steps, a case by path: the decisions about its distant kindred.
    std::shared_ptr<const KindredTrace> kindredTrace;
    // A case by path: its division by path, of which `computation` is the
    // division by the kinds its relatives stand in.
    std::optional<PathComputation> byPath;
    // The later deaths joined to the first, when the question has any.
    std::optional<SuccessiveDeaths> successive;
    // The estate divided by the first death's table (a single death; a
    // stopped case settles the claims alone), or by the combined table when
    // the later deaths joined; nothing without an estate, and nothing when
    // later deaths do not join, since the first table would pay the dead.
    std::optional<estate::Settlement> settlement;
    std::optional<estate::CombinedSettlement> combinedSettlement;
    // A case that waits: what each heir is given now, the reserve and each
    // outcome's division, in place of `computation`, which it has none of.
    std::optional<WaitingDivision> waiting;
    // Its estate in money, when one is given: each heir's amount now, the
    // reserve, and each outcome's amounts.
    std::optional<estate::WaitingSettlement> waitingSettlement;
    // Its outcome, when the question records one.
    std::optional<RecordedOutcome> recorded;
    // Those who died together: each death's own property divided.
    std::optional<TogetherDivision> together;

    const KindCounts& counts() const { return question.counts; }
    const Positions& positions() const { return question.positions; }
    std::span<const RelativeEntry> relatives() const { return question.relatives; }
    bool computed() const { return computation.has_value(); }
    bool explained() const { return trace != nullptr; }
    bool divided() const { return computation && computation->outcome == CaseOutcome::Computed; }
    bool beyondExactRange() const { return computation && computation->outcome == CaseOutcome::BeyondExactRange; }
    // The later deaths joined in a combined table, which their views show.
    bool joined() const { return successive && successive->joined(); }
    const CaseResult& result() const;

    // The result table as the medium lays it out; empty unless divided.
    ResultTable table(TableMedium medium) const;
    // The solution as a teacher writes it; empty unless the case was divided
    // and the answer asked with its steps.
    std::vector<SolutionStep> solution() const;
    // The line that opens the solution: the heirs as a teacher lists them,
    // every relative by path included ("الورثة: زوجة، وابنا بنت").
    std::string heirsLine() const;
    // The whole solution as plain text: the first death's, then, when later
    // deaths joined, each of theirs under a line naming who died and how
    // they join in the combined base.
    std::string solutionText() const;
    // Whether the table gives another answer than the Hanafi school's
    // without the extra positions, and the mark that then says which
    // position makes it differ ("" when it does not).
    bool differsFromHanafi() const;
    std::string differenceMark() const;
    // What Calculate says after the table, in order: the named cases and the
    // validation stops, where a surplus goes that is not returned, and why
    // later deaths do not join.
    std::vector<std::string> announcements() const;
    // The settlement as its reader sees it; nothing when there is none.
    std::optional<estate::EstateReport> estateReport(Reader reader) const;
};

// A computation's named cases and validation stops, in the words the user reads.
std::vector<std::string> messageTexts(const CaseComputation& computation);

// The case as entered, not yet answered.
CaseAnswer openAnswer(CaseQuestion question);

// The case answered: the engine once (recording its decisions with
// Detail::Steps), the later deaths joined to it, and the settlement of the
// estate when one is given; a case that waits, and those who died together,
// by their own division. Beyond exact computation the computation's
// outcome says so, and only the claims on the estate are settled.
CaseAnswer answerCase(CaseQuestion question, Detail detail);

}  // namespace qismaru
