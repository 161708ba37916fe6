#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compute_case.h"
#include "engine/decision_trace.h"
#include "engine/fraction.h"
#include "engine/kindred_trace.h"
#include "engine/path_case.h"
#include "model/kind_set.h"
#include "present/case_sentences.h"

namespace qismaru {

// What a step of the solution states; each has its own fields below.
enum class StepType : std::uint8_t {
    Excluded,     // kind, kinds: every inheriting kind that excludes it
    Fixed,        // kind, share, basis
    Residue,      // kind, kinds: the sisters or daughters who take the remainder with it, told in this step
    NothingLeft,  // kind: a residuary for whom the fixed shares left nothing
    Base,         // value: the base, as CaseResult::base
    Increase,     // from, to: the base and the increased base
    Return,       // from, to: the base and the base after the return
    Correction,   // factor, reducedBy, to: the whole multiplier, the reduction after it, the corrected base
    Division,     // kind, value: its parts of the corrected base, heads, perHead
    Named,        // the named-case message alone
    School,       // kind, rule, kinds: a rule where the schools differ from the Hanafi answer, and the kinds
                  // whose part it decides
    Kindred,      // a decision about the distant kindred: why they inherit or not, the method, a placing, ...
    Waiting,      // a case that waits, or those who died together: the sentence alone
};

// The parts of the solution, in the order a teacher writes them on the board.
enum class StepSection : std::uint8_t {
    Exclusion,
    FixedShares,
    Residuaries,
    FatherAndGrandfather,
    Base,
    IncreaseOrReturn,
    Kindred,  // what the heirs leave to the distant kindred, divided among them
    Correction,
    Division,
    // A case that waits: what waits and how it is reckoned, each estimate's
    // division, what each heir is given now, and what is held back.
    Estimates,
    GivenNow,
    Reserve,
    // Those who died together: whether they inherit from one another, and
    // each one's estate.
    DiedTogether,
};

struct SolutionStep {
    StepType type;
    StepSection section;
    std::string text;  // the Arabic sentence
    HeirKind kind = HeirKind::Husband;
    KindSet kinds;
    Fraction share;
    std::string_view basis;  // "4:11", "4:12", "4:176", "sunnah", "ijma" or "athar"
    std::int64_t value = 0;
    std::int64_t from = 0;
    std::int64_t to = 0;
    // For Correction: the (increased or reduced) base × factor ÷ reducedBy is
    // the corrected base; both are whole, and 1 when nothing was needed.
    std::int64_t factor = 1;
    std::int64_t reducedBy = 1;
    std::int64_t heads = 0;
    std::int64_t perHead = 0;
    // For Correction: every group whose parts do not divide among its heads.
    std::vector<HeadsGroup> groups;
    // For School: "grandfather", "counted", "akdariyya", "shared_third",
    // "no_return" or "spouse_takes_whole". For "grandfather", share is the
    // part of the estate he took.
    std::string_view rule;
    // In a case written by path, the relatives the step is about, as written
    // ("s.s.s", "d.d@1"): those standing in `kind`, or the one entry kept out
    // or paid; `kind` is then the kind whose rules they inherit by.
    std::vector<std::string> relatives;
    // About the distant kindred, who stand in no kind: `kind` says nothing.
    bool ofKindred = false;
};

// One sentence of a solution, of its type, in its section.
SolutionStep solutionStep(StepType type, StepSection section, std::string text);

// The solution of a computed case, rendered from the decisions the engine
// recorded while computing it and from its result. Empty when the case was
// not divided (a validation stop, or beyond exact computation).
std::vector<SolutionStep> solutionSteps(const KindCounts& counts, const CaseComputation& computation,
                                        const DecisionTrace& trace);

// Computes the case with a trace and renders its solution.
std::vector<SolutionStep> solveWithSteps(const KindCounts& counts, const Positions& positions = {});

// The solution of a case written by path: the steps of its division over
// the kinds, each naming the relatives who stand in them, the relatives kept
// out before the division, the division of the distant kindred told from
// `kindredTrace`, and each relative's parts in the order entered.
std::vector<SolutionStep> solutionSteps(std::span<const RelativeEntry> entries, const PathComputation& computation,
                                        const DecisionTrace& trace, const KindredTrace& kindredTrace);
std::vector<SolutionStep> solveWithSteps(std::span<const RelativeEntry> entries, const Positions& positions = {});

// The heading of a section ("الحجب", "الفروض", ...); the increase or return
// section is named after what happened in it.
std::string_view sectionHeading(StepSection section, const std::vector<SolutionStep>& steps);

// The solution as plain text: a line naming the heirs, then each section's
// heading and its sentences, one to a line. What `--explain` prints and the
// window copies.
std::string solutionText(const KindCounts& counts, const std::vector<SolutionStep>& steps);
std::string solutionText(std::span<const RelativeEntry> entries, const std::vector<SolutionStep>& steps);

// The same under any first line: a case that waits names its heirs itself.
std::string solutionBody(std::string firstLine, const std::vector<SolutionStep>& steps);

// "الورثة: زوجة، وثلاث بنات، وأم، وأخ لأم": the heirs of the case, as the
// first line says them; a case by path lists its relatives as entered.
std::string caseHeirsLine(const KindCounts& counts);
std::string caseHeirsLine(std::span<const RelativeEntry> entries);

}  // namespace qismaru
