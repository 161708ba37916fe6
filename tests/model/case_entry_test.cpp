// The entry rules on the case state, press by press.

#include <gtest/gtest.h>

#include "model/case_entry.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using enum HeirKind;

void enterCounted(CaseState& state, HeirKind kind, int count)
{
    ASSERT_EQ(pressHeirButton(state, kind).outcome, PressOutcome::AskCount);
    ASSERT_EQ(confirmCount(state, count).outcome, CountOutcome::Recorded);
}

TEST(HeirKinds, TableIsInKindOrderWithUniqueCodes)
{
    for (const HeirKindInfo& info : heirKinds()) {
        EXPECT_EQ(kindFromCode(info.code), info.kind) << info.code;
        EXPECT_EQ(info.entry == EntryKind::Single,
                  info.kind == Mother || info.kind == Father || info.kind == Grandfather || info.kind == Husband);
    }
    EXPECT_FALSE(kindFromCode("S"));  // codes compare exactly
    EXPECT_FALSE(kindFromCode(" "));
}

TEST(CaseEntry, MotherFatherThenThreeSons)
{
    CaseState state;
    EXPECT_FALSE(canCalculate(state));
    EXPECT_EQ(pressHeirButton(state, Mother).row, 1);
    EXPECT_EQ(pressHeirButton(state, Father).row, 2);
    enterCounted(state, Sons, 3);
    EXPECT_EQ(state.counts.of(Mother), 1);
    EXPECT_EQ(state.counts.of(Sons), 3);
    EXPECT_EQ(state.entryRow[indexOf(Sons)], 3);
    EXPECT_EQ(state.nextRow, 4);
    EXPECT_EQ(state.lastChosen, Sons);

    EXPECT_EQ(cancelLastChoice(state), 3);
    EXPECT_EQ(state.counts.of(Sons), 0);
    EXPECT_EQ(state.nextRow, 3);
    EXPECT_EQ(state.lastChosen, Sons);  // rows remain, so the code stays

    cancelLastChoice(state);
    cancelLastChoice(state);
    EXPECT_EQ(state.nextRow, 1);
    EXPECT_TRUE(state.nothingEntered());
    EXPECT_FALSE(canCalculate(state));
    EXPECT_FALSE(cancelLastChoice(state));  // nothing left to cancel
}

TEST(CaseEntry, SecondPressOnAnEnteredKindChangesNothing)
{
    CaseState state;
    pressHeirButton(state, Mother);
    const CaseState before = state;
    EXPECT_EQ(pressHeirButton(state, Mother).outcome, PressOutcome::Ignored);
    enterCounted(state, Daughters, 2);
    EXPECT_EQ(pressHeirButton(state, Daughters).outcome, PressOutcome::Ignored);
    EXPECT_EQ(state.nextRow, before.nextRow + 1);
}

TEST(CaseEntry, SpousesRefuseEachOther)
{
    CaseState husbandFirst;
    pressHeirButton(husbandFirst, Husband);
    EXPECT_EQ(pressHeirButton(husbandFirst, Wives).outcome, PressOutcome::SpouseConflict);
    EXPECT_EQ(husbandFirst.lastChosen, Husband);

    CaseState wivesFirst;
    enterCounted(wivesFirst, Wives, 2);
    EXPECT_EQ(pressHeirButton(wivesFirst, Husband).outcome, PressOutcome::SpouseConflict);
    EXPECT_EQ(wivesFirst.nextRow, 2);

    // A cancelled count dialog for wives records nothing, so the husband may follow.
    CaseState cancelled;
    pressHeirButton(cancelled, Wives);
    cancelCount(cancelled);
    EXPECT_TRUE(cancelled.nothingEntered());
    EXPECT_EQ(pressHeirButton(cancelled, Husband).outcome, PressOutcome::Entered);
}

TEST(CountDialog, ZeroIgnoredFiveWivesRefusedFourAccepted)
{
    CaseState state;
    pressHeirButton(state, Wives);
    EXPECT_EQ(confirmCount(state, 0).outcome, CountOutcome::Ignored);
    EXPECT_EQ(confirmCount(state, 5).outcome, CountOutcome::TooManyWives);
    EXPECT_EQ(state.nextRow, 1);
    const CountResult four = confirmCount(state, 4);
    EXPECT_EQ(four.outcome, CountOutcome::Recorded);
    EXPECT_EQ(four.kind, Wives);
    EXPECT_EQ(four.row, 1);
    EXPECT_EQ(state.counts.of(Wives), 4);

    pressHeirButton(state, Sons);
    EXPECT_EQ(confirmCount(state, 7).outcome, CountOutcome::Recorded);  // no limit for others
}

// The Malikis let at most two grandmothers inherit together, the Hanbalis
// three; the Hanafis and the Shafi'is set no number. Beside the father only
// the grandmother on the mother's side inherits under the Maliki and Shafi'i
// schools: the father is refused after more, and more are refused after
// him. Under the Hanafi answer a count of grandmothers whose side is not
// given shares the sixth beside the father whatever their number.
TEST(CountDialog, GrandmothersRefusedBeyondTheSchoolsNumber)
{
    struct Row {
        School school;
        int count;
        std::optional<HeirKind> beside;  // the father or the grandfather
        CountOutcome outcome;
    };
    const Row rows[] = {
        {School::Hanafi, 5, {}, CountOutcome::Recorded},
        {School::Shafii, 4, {}, CountOutcome::Recorded},
        {School::Maliki, 2, {}, CountOutcome::Recorded},
        {School::Maliki, 3, {}, CountOutcome::TooManyGrandmothers},
        {School::Hanbali, 3, {}, CountOutcome::Recorded},
        {School::Hanbali, 4, {}, CountOutcome::TooManyGrandmothers},
        {School::Hanafi, 1, Father, CountOutcome::Recorded},
        {School::Hanafi, 2, Father, CountOutcome::Recorded},
        {School::Maliki, 2, Father, CountOutcome::TooManyGrandmothers},
        {School::Shafii, 2, Father, CountOutcome::TooManyGrandmothers},
        {School::Hanbali, 3, Father, CountOutcome::Recorded},
        // The grandfather keeps his own mother out: of one degree, the
        // mother's and the father's lines are left.
        {School::Hanafi, 2, Grandfather, CountOutcome::Recorded},
        {School::Hanafi, 3, Grandfather, CountOutcome::TooManyGrandmothers},
        {School::Shafii, 3, Grandfather, CountOutcome::TooManyGrandmothers},
        {School::Hanbali, 3, Grandfather, CountOutcome::Recorded},
    };
    for (const Row& row : rows) {
        const bool recorded = row.outcome == CountOutcome::Recorded;
        CaseState state;
        if (row.beside) pressHeirButton(state, *row.beside, row.school);
        pressHeirButton(state, Grandmothers, row.school);
        EXPECT_EQ(confirmCount(state, row.count, row.school).outcome, row.outcome)
            << schoolInfo(row.school).key << " " << row.count;
        std::vector<HeirEntry> grandmothersFirst = {{Grandmothers, row.count}};
        if (row.beside) grandmothersFirst.push_back({*row.beside, 1});
        EXPECT_EQ(caseWithHeirs(grandmothersFirst, row.school).has_value(), recorded);
        CaseState besideLast = *caseWithHeirs({{Grandmothers, row.count}});
        if (row.beside) {
            EXPECT_EQ(pressHeirButton(besideLast, *row.beside, row.school).outcome,
                      recorded ? PressOutcome::Entered : PressOutcome::TooManyGrandmothers);
        }
        KindCounts counts;
        counts.set(Grandmothers, row.count);
        if (row.beside) counts.set(*row.beside, 1);
        EXPECT_EQ(grandmothersBeyondLimit(counts, row.school), !recorded);
        EXPECT_EQ(grandmotherLimitProblem(counts, row.school).empty(), recorded);
    }
}

TEST(GrandmotherSide, NoteSaysWhomTheCountStandsFor)
{
    using enum GrandmotherSideNote;
    struct Row {
        std::string_view heirs;
        School school;
        GrandmotherSideNote note;
    };
    const Row rows[] = {
        {"gm=1 f=1", School::Shafii, MothersMotherBesideFather},
        {"gm=1 f=1", School::Hanafi, MothersMotherBesideFather},
        {"gm=2 f=1", School::Hanafi, HanafiTableBesideFather},
        {"gm=2 f=1", School::Hanbali, HanbaliBesideFather},
        {"gm=2 gf=1", School::Maliki, BesideGrandfather},
        {"gm=2 gf=1", School::Hanbali, None},
        {"gm=2 s=1", School::Hanafi, None},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(grandmotherSideNote(testing::countsOf(row.heirs), row.school), row.note) << row.heirs;
    }
}

TEST(CountDialog, ArrowsStayWithinZeroAnd32767)
{
    EXPECT_EQ(countAfterDownArrow(0), 0);
    EXPECT_EQ(countAfterDownArrow(3), 2);
    EXPECT_EQ(countAfterUpArrow(0), 1);
    EXPECT_EQ(countAfterUpArrow(kMaxCount), kMaxCount);
}

TEST(CountDialog, CancelAfterOtherEntriesKeepsThem)
{
    CaseState state;
    pressHeirButton(state, Mother);
    pressHeirButton(state, Sons);
    cancelCount(state);
    EXPECT_EQ(state.nextRow, 2);
    EXPECT_EQ(state.counts.of(Mother), 1);
    EXPECT_TRUE(canCalculate(state));
}

TEST(CaseEntry, CancelledKindReenteredMovesToTheEnd)
{
    CaseState state;
    pressHeirButton(state, Husband);
    pressHeirButton(state, Mother);
    cancelLastChoice(state);
    EXPECT_EQ(pressHeirButton(state, Grandfather).row, 2);
    EXPECT_EQ(pressHeirButton(state, Mother).row, 3);
    EXPECT_EQ(state.counts.of(Mother), 1);
}

TEST(CaseEntry, ComputedCaseIgnoresEntryUntilNewCase)
{
    CaseState state;
    pressHeirButton(state, Mother);
    markComputed(state);
    EXPECT_FALSE(canCalculate(state));
    EXPECT_EQ(pressHeirButton(state, Father).outcome, PressOutcome::Ignored);
    EXPECT_EQ(pressHeirButton(state, Wives).outcome, PressOutcome::Ignored);
    EXPECT_FALSE(cancelLastChoice(state));

    startNewCase(state);
    EXPECT_TRUE(state.counts.empty());
    EXPECT_EQ(state.nextRow, 1);
    EXPECT_TRUE(state.nothingEntered());
    EXPECT_FALSE(state.computed);
    EXPECT_EQ(state.entryRow[indexOf(Mother)], 1);  // old rows stay, harmlessly

    // The old row of the mother does not disturb a later cancel.
    pressHeirButton(state, Father);
    pressHeirButton(state, Husband);
    EXPECT_EQ(cancelLastChoice(state), 2);
    EXPECT_EQ(state.counts.of(Father), 1);
    EXPECT_EQ(state.counts.of(Husband), 0);
}

// A case file's heirs enter as the buttons would enter them, and come back
// in the order of the rows, also after a cancelled entry.
TEST(CaseEntry, HeirsEnterInOrderAndComeBackInRowOrder)
{
    const std::vector<HeirEntry> heirs = {{Husband, 1}, {Daughters, 3}, {Mother, 1}};
    const std::optional<CaseState> state = caseWithHeirs(heirs);
    ASSERT_TRUE(state);
    EXPECT_EQ(enteredHeirs(*state), heirs);
    EXPECT_EQ(state->nextRow, 4);

    CaseState edited = *state;
    cancelLastChoice(edited);
    cancelLastChoice(edited);
    pressHeirButton(edited, Father);
    EXPECT_EQ(enteredHeirs(edited), (std::vector<HeirEntry>{{Husband, 1}, {Father, 1}}));

    // A refusal names the heir refused, what its button and the count dialog
    // said, and the heirs before it, from which each caller words it (the
    // Malikis let only one grandmother inherit beside the father).
    struct Refused {
        std::vector<HeirEntry> heirs;
        std::size_t at;
        PressOutcome press;
        std::optional<CountOutcome> count;
    } const refused[] = {
        {{{Husband, 1}, {Wives, 1}}, 1, PressOutcome::SpouseConflict, {}},
        {{{Wives, 5}}, 0, PressOutcome::AskCount, CountOutcome::TooManyWives},
        {{{Mother, 2}}, 0, PressOutcome::Entered, {}},
        {{{Sons, 0}}, 0, PressOutcome::AskCount, CountOutcome::Ignored},
        {{{Sons, 40000}}, 0, PressOutcome::AskCount, {}},
        {{{Sons, 1}, {Sons, 2}}, 1, PressOutcome::Ignored, {}},
        {{{Grandmothers, 2}, {Father, 1}}, 1, PressOutcome::TooManyGrandmothers, {}},
    };
    for (const Refused& row : refused) {
        EXPECT_FALSE(caseWithHeirs(row.heirs, School::Maliki));
        const HeirsEntry entry = enterHeirs(row.heirs, School::Maliki);
        ASSERT_TRUE(entry.refused);
        EXPECT_EQ(*entry.refused, row.at);
        EXPECT_EQ(entry.press.outcome, row.press);
        EXPECT_EQ(entry.count ? std::optional(entry.count->outcome) : std::nullopt, row.count);
        EXPECT_EQ(entry.before.of(row.heirs[0].kind), row.at == 0 ? 0 : row.heirs[0].count);
    }
}

}  // namespace
}  // namespace qismaru
