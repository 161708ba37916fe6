#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/case_state.h"
#include "model/positions.h"

namespace qismaru {

// The entry rules of the main window and the count dialog, free of any
// window so that they can be tested directly. Each function is one press.

enum class PressOutcome {
    Ignored,         // case computed, or the kind is already entered
    SpouseConflict,  // husband and wives never stand in one case
    // The father beside more grandmothers than inherit with him under the
    // chosen school: he is not entered.
    TooManyGrandmothers,
    Entered,   // a single kind took row `row`
    AskCount,  // a counted kind: the count dialog must ask how many
};

struct PressResult {
    PressOutcome outcome = PressOutcome::Ignored;
    int row = 0;
};

PressResult pressHeirButton(CaseState& state, HeirKind kind, School school = School::Hanafi);

enum class CountOutcome {
    Ignored,       // a count of 0: the dialog stays open
    TooManyWives,  // more than four wives: the dialog stays open
    // More grandmothers than the chosen school lets inherit together (the
    // Malikis two, the Hanbalis three, one beside the father but for the
    // Hanbalis): the dialog stays open.
    TooManyGrandmothers,
    Recorded,  // the kind took row `row` with the count
};

struct CountResult {
    CountOutcome outcome = CountOutcome::Ignored;
    HeirKind kind = HeirKind::UterineSiblings;
    int row = 0;
};

// OK in the count dialog, for the kind chosen last, under the given school.
CountResult confirmCount(CaseState& state, int count, School school = School::Hanafi);

// Whether the case holds more grandmothers than the school lets inherit
// together in it: such a case is neither entered nor computed under that
// school.
bool grandmothersBeyondLimit(const KindCounts& counts, School school);
GrandmotherLimit grandmotherLimitOf(const KindCounts& counts, School school);

// Why, in English, for the calculator, the desktop program's command line
// and the case files; "" when the grandmothers are within the limit.
std::string grandmotherLimitProblem(const KindCounts& counts, School school);

// What a note on the grandmothers whose side is not given ("gm") must say
// when the father or the grandfather stands beside them: which grandmother
// the count stands for decides the answer, since every school but the
// Hanbali has each of them keep his own mother out. The solution and the
// calculator word it; the grandmothers by their side (m.m, f.m, f.f.m) give
// each school's answer.
enum class GrandmotherSideNote : std::uint8_t {
    None,
    // One beside the father: she can only be the mother's mother (or her
    // mother), whom no school excludes; his own mother he keeps out, but
    // under the Hanbali school.
    MothersMotherBesideFather,
    // Several beside the father under the Hanafi school: the table lets them
    // share the sixth, while the Hanafi books have him keep his mother out.
    HanafiTableBesideFather,
    // Under the Hanbali school a grandmother inherits beside her son.
    HanbaliBesideFather,
    // Beside the grandfather: he keeps his own mother out, not the
    // father's mother nor the mother's; the count is of those beside him.
    BesideGrandfather,
};
GrandmotherSideNote grandmotherSideNote(const KindCounts& counts, School school);

// Cancel (or the close box) of the count dialog.
void cancelCount(CaseState& state);

// The count dialog's arrows: never below 0, never above a 16-bit count.
int countAfterUpArrow(int shown);
int countAfterDownArrow(int shown);

// Removes the last entered kind; returns the entry-list row it occupied,
// or nothing when there was nothing to remove or the case is computed.
std::optional<int> cancelLastChoice(CaseState& state);

// Empties the case in every state. Old entry rows stay: they are harmless.
void startNewCase(CaseState& state);

// One entered kind with its count, as a case file keeps it.
struct HeirEntry {
    HeirKind kind = HeirKind::Mother;
    int count = 0;

    bool operator==(const HeirEntry&) const = default;
};

// The kinds entered, in the order of their entry-list rows.
std::vector<HeirEntry> enteredHeirs(const CaseState& state);

// The heirs as the engine counts them, whatever their order.
KindCounts countsOf(const std::vector<HeirEntry>& heirs);

// A new case with the heirs entered one by one, as the buttons and the count
// dialog enter them under the given school; nothing when the entry rules
// refuse one of them (a repeated kind, a count out of range, the husband
// beside wives, more grandmothers than the school counts, ...).
std::optional<CaseState> caseWithHeirs(const std::vector<HeirEntry>& heirs, School school = School::Hanafi);

// Heirs entered one by one on a new case as their buttons and the count
// dialog enter them, up to the first the entry rules refuse: which one that
// is, what its press and its count said, and the counts before it, from
// which each caller words the refusal its own way.
struct HeirsEntry {
    CaseState state;                     // the case, whole when nothing was refused
    std::optional<std::size_t> refused;  // the refused heir's place in the list
    PressResult press;                   // what the refused heir's button said
    std::optional<CountResult> count;    // and the count dialog, when it was asked
    KindCounts before;                   // the counts entered before the refused heir

    bool entered() const { return !refused; }
};
HeirsEntry enterHeirs(const std::vector<HeirEntry>& heirs, School school);

// Calculate runs only after an entry and only once per case.
bool canCalculate(const CaseState& state);

// Calculate ran to its end (also after a validation stop): the case is closed
// to entries until New case.
void markComputed(CaseState& state);

// The answer was withdrawn (another school cannot answer the case as it
// stands): the case takes entries again, and Calculate runs again.
void reopenCase(CaseState& state);

}  // namespace qismaru
