#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compute_case.h"
#include "engine/fraction.h"
#include "engine/waiting_case.h"

namespace qismaru {

// The division of a case that waits: what each heir is given now, what is
// held back, and the division of each possible outcome. Every figure is a
// fraction of the whole estate. The shares come from computeCase, one
// computation for each case an outcome makes; this layer only composes them.

enum class ClaimantRole : std::uint8_t { Present, Unborn, Missing, Unclear };

// Whoever may be owed a part: the present heirs of one kind, the unborn
// child (however many are born), the missing heirs, or one heir of unclear
// sex (each one apart: the outcomes name their sexes in order).
struct Claimant {
    ClaimantRole role = ClaimantRole::Present;
    HeirKind kind = HeirKind::Sons;  // the relation's kind, in its male form for the unborn and the unclear
    int count = 1;
    std::string_view path;   // "s.s", ...; "unborn" for the unborn child
    std::string_view label;  // "", "missing" or "khuntha"
};

// What becomes known: the children born alive, whether the missing live, and
// which heirs of unclear sex are men (bit i for the i-th).
struct OutcomeKey {
    int males = 0;
    int females = 0;
    bool alive = false;
    std::uint32_t unclearMen = 0;

    bool operator==(const OutcomeKey&) const = default;
};

// One case the division computes: the heirs as one possibility has them.
struct Estimate {
    std::string name;  // the sexes of the unclear heirs, when the school weighs estimates; else ""
    WaitingCounts counts;
    CaseComputation computation;   // not computed when no heir is left: all goes to no heir
    std::vector<Fraction> shares;  // per claimant
    Fraction noHeir;               // what no heir takes: the treasury or the distant kindred
};

struct WaitingOutcome {
    // "none", "1m", "1f", "2m", "1m+1f", ...; "alive", "dead"; "male",
    // "female+male", ...; joined by "+" in that order when several wait.
    // "" for the one division made at once.
    std::string name;
    OutcomeKey key;
    // One, or every estimate of the unclear heirs' sexes where the school
    // settles them at once (the worse of two, or half of them all).
    std::vector<Estimate> estimates;
    int applied = -1;  // the worse estimate applied, under the Hanafi school
    std::vector<Fraction> shares;
    Fraction noHeir;
};

// Why a claimant is given what he is given now.
enum class GivenBasis : std::uint8_t {
    Least,             // the least of his shares over the outcomes
    AtOnce,            // the division is made at once: his share is final
    Absent,            // the unborn and the missing: their part waits for them
    SharesWithUnborn,  // no number bounds the children who share with him
    BirthAwaited,      // the division waits for the birth (Maliki)
};

enum class WaitingProblem : std::uint8_t {
    None,
    NothingWaits,      // no unborn child, missing heir or heir of unclear sex
    CannotBeUnclear,   // an unborn or unclear heir named as a parent, a spouse or a woman
    UnknownRelation,   // a relation the engine does not know
    CountOutOfRange,   // fewer than one, more than kMostUnclear or kMostChildren, or a kind beyond kMaxCount
    SingleKindTaken,   // a missing father, mother, grandfather or husband beside one present, or more than one
    ValidationStop,    // an outcome puts a husband beside wives, or more than four wives
    SchoolRefuses,     // an outcome has more grandmothers than the school lets inherit together
    BeyondExactRange,  // an outcome's corrected base, or a figure of the division, passes the exact range
};

struct WaitingDivision {
    WaitingProblem problem = WaitingProblem::None;
    std::string problemOutcome;  // the outcome in which the problem was found
    Positions positions{};
    UnbornProvision provision{};  // with an unborn child: the school's number (or `most`)
    UnclearRule unclearRule = UnclearRule::Least;
    std::vector<Claimant> claimants;
    std::vector<Fraction> given;
    std::vector<GivenBasis> basis;
    std::vector<int> leastIn;  // the first outcome that gives him his least; -1 unless Least
    Fraction reserve;
    Fraction noHeir;  // given now to no heir: what goes to no heir in every outcome
    std::vector<WaitingOutcome> outcomes;

    bool refused() const { return problem != WaitingProblem::None; }
    // Nothing waits: the unclear heirs are settled at once by their estimates.
    bool atOnce() const { return outcomes.size() == 1 && outcomes.front().name.empty(); }
};

WaitingDivision divideWaiting(const WaitingCase& wait, const Positions& positions);

// The division of one outcome when it is known (the birth, the news of the
// missing, the sex become clear), also one beyond those provided for: three
// children under the Hanafi one. A refusal is written into `problem`.
WaitingOutcome outcomeOf(const WaitingCase& wait, const Positions& positions, const OutcomeKey& key,
                         WaitingProblem& problem);

// The key of an outcome named as the division names it; nothing for a name
// that does not fit the case (every unknown named once, in order).
std::optional<OutcomeKey> outcomeKeyNamed(const WaitingCase& wait, const Positions& positions, std::string_view name);

// What the reserve pays when an outcome is known: each claimant's share in it
// less what he was given, and what goes to no heir. A negative figure is
// owed back to the reserve: more children were born than provided for.
struct ReservePayout {
    std::vector<Fraction> toClaimant;
    Fraction toNoHeir;
};
std::optional<ReservePayout> payOut(const WaitingDivision& division, const WaitingOutcome& outcome);

}  // namespace qismaru
