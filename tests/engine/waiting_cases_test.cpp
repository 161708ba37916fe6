// Worked cases of the unborn child, the missing heir and the hermaphrodite,
// each with its book and the figures the book gives. A row reads: each heir
// (path, and label for the missing and the khuntha) with what he is given
// now, then after "|" what is held back.

#include <gtest/gtest.h>

#include <string>

#include "engine/waiting_division.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using enum School;

WaitingCase unborn(std::string_view counts, std::string_view as, int most = 0)
{
    return {testing::countsOf(counts), UnbornChild{*relationNamed(as), most}, {}, {}};
}

WaitingCase missing(std::string_view counts, std::string_view path, int count = 1)
{
    return {testing::countsOf(counts), {}, MissingHeirs{*relationNamed(path), count}, {}};
}

WaitingCase khuntha(std::string_view counts, std::string_view as, int count = 1, bool hope = true)
{
    return {testing::countsOf(counts), {}, {}, UnclearHeirs{*relationNamed(as), count, hope}};
}

WaitingCase certainAsked(WaitingCase wait)
{
    wait.certainAsked = true;
    return wait;
}

std::string givenText(const WaitingDivision& d)
{
    std::string text;
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        const Claimant& c = d.claimants[i];
        if (i > 0) text += ", ";
        text += std::string(c.path) + (c.label.empty() ? "" : ":" + std::string(c.label)) + " " + d.given[i].text();
    }
    return text + " | " + d.reserve.text();
}

struct WaitingRow {
    std::string name;
    School school;
    WaitingCase wait;
    std::string_view given;
};

std::string PrintToString(const WaitingRow& row) { return row.name; }
std::string rowName(const ::testing::TestParamInfo<WaitingRow>& info) { return info.param.name; }

class WaitingCaseTest : public ::testing::TestWithParam<WaitingRow> {};

TEST_P(WaitingCaseTest, GivenNowAndReserve)
{
    const WaitingRow& row = GetParam();
    const WaitingDivision d = divideWaiting(row.wait, Positions{row.school});
    ASSERT_FALSE(d.refused()) << static_cast<int>(d.problem) << " in " << d.problemOutcome;
    EXPECT_EQ(givenText(d), row.given);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Unborn, WaitingCaseTest, ::testing::Values(
    // al-Mabsut 30/52: son and an unborn child, by the three narrations: one son more, two, four.
    WaitingRow{"mabsut_son_abu_yusuf_one", Hanafi, unborn("s=1", "s"), "s 1/2, unborn 0 | 1/2"},
    WaitingRow{"mabsut_son_muhammad_two", Hanafi, unborn("s=1", "s", 2), "s 1/3, unborn 0 | 2/3"},
    WaitingRow{"mabsut_son_abu_hanifa_four", Hanafi, unborn("s=1", "s", 4), "s 1/5, unborn 0 | 4/5"},
    // al-Durr al-Mukhtar 7/396: husband and a mother pregnant by the father: the unborn as a sister, 6 raised to 8.
    WaitingRow{"durr_husband_mother_pregnant", Hanafi, unborn("h=1 m=1", "b"), "m 1/4, h 3/8, unborn 0 | 3/8"},
    // al-Mabsut (taqrib.ir 6212/6027), Hisham's narration: two sisters, the mother 1 of 8, held 4 of 8.
    WaitingRow{"mabsut_husband_mother_two_sisters", Hanafi, unborn("h=1 m=1", "b", 2), "m 1/8, h 3/8, unborn 0 | 1/2"},
    // Ibn 'Abidin on the same: with two uterine brothers a male unborn takes nothing, so a sister: 6 raised to 9.
    WaitingRow{"ibn_abidin_raised_to_nine", Hanafi, unborn("h=1 m=1 bm=2", "b"), "bm 2/9, m 1/9, h 1/3, unborn 0 | 1/3"},
    // al-Zuhayli (shamela 384/7635): husband, full sister, the father's pregnant wife: a consanguine sister's sixth, 7.
    WaitingRow{"zuhayli_consanguine_sister_sixth", Hanafi, unborn("h=1 si=1", "bf"), "si 3/7, h 3/7, unborn 0 | 1/7"},
    // Sharh Dalil al-Talib (shamela 147657/1157): wife, son, unborn: 24, wife 3, son 7, 14 held for two sons.
    WaitingRow{"dalil_wife_son_two_sons_held", Hanbali, unborn("w=1 s=1", "s"), "s 7/24, w 1/8, unborn 0 | 7/12"},
    // Kashshaf al-Qina' (taqrib.ir 6205/2046): fixed shares above a third, the two daughters' estimate is the larger:
    // 11/24 fixed, the daughters raise it to 27 and 16 of 27 are held.
    WaitingRow{"kashshaf_fixed_above_third", Hanbali, unborn("w=1 m=1 f=1", "s"), "w 1/9, m 4/27, f 4/27, unborn 0 | 16/27"},
    // The same below a third, the two sons' estimate: wife 3 and father 4 of 24, the sons' 17 held.
    WaitingRow{"kashshaf_fixed_below_third", Hanbali, unborn("w=1 f=1", "s"), "w 1/8, f 1/6, unborn 0 | 17/24"},
    // al-Mughni, bab mirath al-haml: the known Shafi'i view gives a sharer with the unborn nothing, no number bounds it.
    WaitingRow{"mughni_shafii_sharer_nothing", Shafii, unborn("w=1 s=1", "s"), "s 0, w 1/8, unborn 0 | 7/8"},
    // By hand: the mother pregnant by another husband, beside a full brother. Two uterine siblings or more
    // make the Mushtaraka, where the brother shares their third by heads (1/9 with two, 1/12 with three, ...):
    // no number bounds his loss, so he is given nothing; the mother her sixth, the husband his half.
    WaitingRow{"mushtaraka_brother_shares_with_unborn", Shafii, unborn("h=1 m=1 b=1", "bm"), "b 0, m 1/6, h 1/2, unborn 0 | 1/3"},
    // Fiqh al-Sunna 3/642: the grandmother's sixth changes with no birth, she takes it whole.
    WaitingRow{"fiqh_sunna_grandmother_whole", Shafii, unborn("gm=1 w=1", "s"), "gm 1/6, w 1/8, unborn 0 | 17/24"},
    // The Maliki division waits for the birth; asked, what is certain is the wife's eighth.
    WaitingRow{"maliki_waits_for_birth", Maliki, unborn("w=1 s=1", "s"), "s 0, w 0, unborn 0 | 1"},
    WaitingRow{"maliki_certain_on_request", Maliki, certainAsked(unborn("w=1 s=1", "s")), "s 0, w 1/8, unborn 0 | 7/8"}
), rowName);

INSTANTIATE_TEST_SUITE_P(Missing, WaitingCaseTest, ::testing::Values(
    // al-Fiqh al-Manhaji (shamela 6369/903): wife, son, a missing son: the son half of what the wife leaves.
    WaitingRow{"manhaji_wife_son_missing_son", Shafii, missing("w=1 s=1", "s"), "s 7/16, w 1/8, s:missing 0 | 7/16"},
    // The same: an uncle beside a missing son is given nothing, the whole is held.
    WaitingRow{"manhaji_uncle_missing_son", Shafii, missing("u=1", "s"), "f.b 0, s:missing 0 | 1"},
    // The same: two daughters, a son's daughter, a missing son's son: she is excluded if he is dead.
    WaitingRow{"manhaji_son_daughter_excluded_if_dead", Shafii, missing("d=2 gd=1", "gs"), "d 2/3, s.d 0, s.s:missing 0 | 1/3"},
    // Ibn 'Uthaymin on Zad al-Mustaqni' (shamela 142264/5979): a missing brother in the Akdariyya, 54:
    // husband 18, mother 9, grandfather 9, sister 3, 15 held (6 his, 9 to settle).
    WaitingRow{"uthaymin_akdariyya_missing_brother", Hanbali, missing("h=1 m=1 gf=1 si=1", "b"), "si 1/18, m 1/6, f.f 1/6, h 1/3, b:missing 0 | 5/18"}
), rowName);

INSTANTIATE_TEST_SUITE_P(Khuntha, WaitingCaseTest, ::testing::Values(
    // Tuhfat al-Fuqaha 3/333: husband, full sister, consanguine khuntha: as a man nothing, "the worse of his states".
    WaitingRow{"tuhfa_worse_estimate", Hanafi, khuntha("h=1 si=1", "bf"), "si 1/2, h 1/2, bf:khuntha 0 | 0"},
    // shamela 147659/284: the same while clarity is hoped, 14: husband 6, sister 6, 2 held.
    WaitingRow{"hope_least_and_reserve", Hanbali, khuntha("h=1 si=1", "bf"), "si 3/7, h 3/7, bf:khuntha 0 | 1/7"},
    // al-Munawwar fi Rajih al-Muharrar 333: the same without hope, 2 × 7 × 2 = 28, the khuntha 2.
    WaitingRow{"munawwar_half_husband_sister", Hanbali, khuntha("h=1 si=1", "bf", 1, false), "si 13/28, h 13/28, bf:khuntha 1/14 | 0"},
    // The same book: a son and a khuntha child, 12, the son 7.
    WaitingRow{"munawwar_son_and_khuntha", Hanbali, khuntha("s=1", "s", 1, false), "s 7/12, s:khuntha 5/12 | 0"},
    // The same book: a son and two khunthas, their four states, 240: the son 98, each khuntha 71.
    WaitingRow{"munawwar_two_khunthas", Hanbali, khuntha("s=1", "s", 2, false), "s 49/120, s:khuntha 71/240, s:khuntha 71/240 | 0"},
    // The same book: husband, mother, uterine brothers, consanguine khuntha: 6 and 9, 36: 15, 5, 10, 6.
    WaitingRow{"munawwar_uterine_brothers", Hanbali, khuntha("h=1 m=1 bm=2", "bf", 1, false), "bm 5/18, m 5/36, h 5/12, bf:khuntha 1/6 | 0"},
    // Ibn Jibrin's lesson: two sons and a khuntha child, 30: the khuntha 5 + 3 = 8.
    WaitingRow{"ibn_jibrin_two_sons", Hanbali, khuntha("s=2", "s", 1, false), "s 11/15, s:khuntha 4/15 | 0"},
    // al-Fiqh al-Manhaji (shamela 6369/1032): son and khuntha child, 6: son 3, khuntha 2, one held.
    WaitingRow{"manhaji_son_and_khuntha", Shafii, khuntha("s=1", "s"), "s 1/2, s:khuntha 1/3 | 1/6"},
    // The same: daughter and khuntha full sibling, residuary either way, nothing held.
    WaitingRow{"manhaji_nothing_held", Shafii, khuntha("d=1", "b"), "d 1/2, b:khuntha 1/2 | 0"},
    // al-Fiqh al-Manhaji (islam-db 1080): husband, khuntha nephew, uncle: as a woman she is distant kindred.
    WaitingRow{"manhaji_khuntha_nephew", Shafii, khuntha("h=1 u=1", "b.s"), "f.b 0, h 1/2, b.s:khuntha 0 | 1/2"},
    // al-Binaya sharh al-Hidaya (islam-db 7010): husband, mother, khuntha full sister: the residue, 1/6 < 3/8.
    WaitingRow{"binaya_husband_mother", Hanafi, khuntha("h=1 m=1", "b"), "m 1/3, h 1/2, b:khuntha 1/6 | 0"},
    // The same: wife, two uterine brothers, khuntha full sister: 5 of 12 rather than 6 of 13.
    WaitingRow{"binaya_wife_uterine_brothers", Hanafi, khuntha("w=1 bm=2", "b"), "bm 1/3, w 1/4, b:khuntha 5/12 | 0"},
    // shamela 21782/2683, the Maliki half: daughter, khuntha child, mother, uncle, 36: 11, 16, 6, 3.
    WaitingRow{"maliki_half_of_two", Maliki, khuntha("d=1 m=1 u=1", "s"), "f.b 1/12, d 11/36, m 1/6, s:khuntha 4/9 | 0"},
    // The same page: khuntha nephew and uncle, each half.
    WaitingRow{"maliki_nephew_and_uncle", Maliki, khuntha("u=1", "b.s"), "f.b 1/2, b.s:khuntha 1/2 | 0"}
), rowName);
// clang-format on

// Sharh Dalil al-Talib: if more are born than were provided for, the reserve
// falls short and the heir given too much gives it back. Three sons after the
// Hanbali two: the son was given 7/24 and takes 7/32, returning 7/96.
TEST(WaitingPayout, MoreChildrenThanProvidedForAreOwedBack)
{
    const WaitingCase wait = unborn("w=1 s=1", "s");
    const Positions hanbali{Hanbali};
    const WaitingDivision d = divideWaiting(wait, hanbali);
    const auto key = outcomeKeyNamed(wait, hanbali, "3m");
    ASSERT_TRUE(key);
    WaitingProblem problem = WaitingProblem::None;
    const WaitingOutcome born = outcomeOf(wait, hanbali, *key, problem);
    ASSERT_EQ(problem, WaitingProblem::None);
    const auto payout = payOut(d, born);
    ASSERT_TRUE(payout);
    EXPECT_EQ(payout->toClaimant, (std::vector<Fraction>{{-7, 96}, {}, {21, 32}}));
}

TEST(WaitingRefusal, NamesWhatCannotBeDivided)
{
    const struct {
        School school;
        WaitingCase wait;
        WaitingProblem problem;
        std::string_view outcome;
    } rows[] = {
        {Hanafi, WaitingCase{.counts = testing::countsOf("s=1")}, WaitingProblem::NothingWaits, ""},
        {Hanafi, unborn("w=1", "d"), WaitingProblem::CannotBeUnclear, ""},
        {Hanafi, khuntha("s=1", "f"), WaitingProblem::CannotBeUnclear, ""},
        {Hanafi, missing("f=1 s=1", "f"), WaitingProblem::SingleKindTaken, ""},
        {Hanafi, khuntha("s=1", "s", kMostUnclear + 1), WaitingProblem::CountOutOfRange, ""},
        {Hanafi, missing("w=1 d=1", "h"), WaitingProblem::ValidationStop, "alive"},
        // The father keeps his own mother out under the Maliki school: one grandmother beside him.
        {Maliki, missing("gm=2 d=1", "f"), WaitingProblem::SchoolRefuses, "alive"},
    };
    for (const auto& row : rows) {
        const WaitingDivision d = divideWaiting(row.wait, Positions{row.school});
        EXPECT_EQ(d.problem, row.problem) << testing::textOf(row.wait.counts);
        EXPECT_EQ(d.problemOutcome, row.outcome) << testing::textOf(row.wait.counts);
    }
}

}  // namespace
}  // namespace qismaru
