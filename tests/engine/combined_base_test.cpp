// Successive deaths before the division: the combined base (الجامعة) of
// textbook examples over the three relations of the deceased's parts to his
// own case, three deaths with a person in all three, a group of whom one
// member dies, what no heir takes, and every refusal of the references.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/combined_base.h"
#include "tests/support/death_text.h"

namespace qismaru {
namespace {

using testing::countsOf;
using testing::died;
using testing::diedByPath;
using testing::entriesOf;
using testing::ref;
using enum PartsRelation;
using enum DeathsProblem;

struct Example {
    std::string name;  // and its source
    std::string_view first;
    std::vector<LaterDeath> later;
    std::int64_t base;
    std::vector<PartsRelation> relations;
    std::vector<std::pair<std::string_view, std::int64_t>>
        parts;  // every surviving group with parts, by its earliest ref
    std::int64_t undistributed = 0;
    Positions positions{};
    bool firstByPath = false;  // the first deceased's heirs given by path, a row for each entry
};

std::string PrintToString(const Example& e) { return e.name; }

class CombinedBaseTest : public ::testing::TestWithParam<Example> {};

TEST_P(CombinedBaseTest, BaseRelationsAndEachGroupsParts)
{
    const Example& e = GetParam();
    const CombinedComputation c = e.firstByPath ? computeSuccessiveDeaths(entriesOf(e.first), e.later, e.positions)
                                                : computeSuccessiveDeaths(countsOf(e.first), e.later, e.positions);
    ASSERT_FALSE(c.refusal.refused()) << static_cast<int>(c.refusal.problem) << " at death " << c.refusal.death;
    const CombinedTable& t = c.table;
    EXPECT_EQ(t.base, e.base);
    std::vector<PartsRelation> relations;
    for (const JoinStep& step : t.joins) relations.push_back(step.relation);
    EXPECT_EQ(relations, e.relations);

    std::vector<std::pair<std::string, std::int64_t>> got;
    std::int64_t total = t.undistributed;
    for (const PersonGroup& g : t.groups) {
        total += g.parts;
        if (g.alive() && g.parts > 0) got.emplace_back(refText(g.ref), g.parts);
        if (!g.alive()) {
            EXPECT_EQ(g.parts, 0) << "a deceased keeps no parts";
        }
    }
    std::vector<std::pair<std::string, std::int64_t>> expected;
    for (const auto& [r, parts] : e.parts) expected.emplace_back(r, parts);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(t.undistributed, e.undistributed);
    EXPECT_EQ(total, t.base) << "the parts and what no heir takes add up to the combined base";
    // Each death's column times its multiplier gives the total of every survivor.
    for (std::size_t row = 0; row < t.groups.size(); ++row) {
        if (!t.groups[row].alive()) continue;
        std::int64_t sum = 0;
        for (std::size_t d = 0; d < t.deathCount(); ++d) sum += t.casePart(row, d) * t.multipliers[d];
        EXPECT_EQ(sum, t.groups[row].parts * t.reducedBy) << refText(t.groups[row].ref);
    }
}

// Each later son leaves one son: every case is 1, and J stays 2 however long the chain.
std::vector<LaterDeath> sonsChain(std::size_t deaths)
{
    std::vector<LaterDeath> chain{died("1:s", "s=1")};
    while (chain.size() < deaths) chain.push_back(died(std::to_string(chain.size() + 1) + ":s", "s=1"));
    return chain;
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, CombinedBaseTest,
    ::testing::Values(
        // FIQH_NOTES and the books' usual first example: 24 (3, 14, 7); the
        // son's case 6 returned to 5 (2, 3); 14 and 5 coprime: 120.
        Example{"wife_son_daughter_then_the_son_coprime",
                "w=1 s=1 d=1",
                {died("1:s", "m=1 si=1", {{"m", "1:w"}, {"si", "1:d"}})},
                120,
                {Coprime},
                {{"1:w", 43}, {"1:d", 77}}},
        // al-Hazimi, Sharh al-Rahbiyya (books.islam-db.com, شرح الرحبيه للحازمي, p. 404): 8 (1, 4, 3); the
        // daughter's case 12 (husband 3, mother 2, son 7); 4 and 12 agree by a quarter: 24.
        Example{"wife_daughter_sister_then_the_daughter_agrees",
                "w=1 d=1 si=1",
                {died("1:d", "h=1 s=1 m=1", {{"m", "1:w"}})},
                24,
                {Agrees},
                {{"1:w", 5}, {"1:si", 9}, {"2:s", 7}, {"2:h", 3}}},
        // al-Hazimi, same book, p. 405: a woman leaves husband, son and daughter, 4 (1, 2, 1); the daughter
        // leaves husband, son, her father (that husband) and her brother, excluded: 12; 1 and 12 coprime: 48.
        Example{"husband_son_daughter_then_the_daughter_coprime",
                "h=1 s=1 d=1",
                {died("1:d", "h=1 s=1 f=1 b=1", {{"f", "1:h"}, {"b", "1:s"}})},
                48,
                {Coprime},
                {{"1:s", 24}, {"1:h", 14}, {"2:s", 7}, {"2:h", 3}}},
        // islam-wa-sunnah.com fatwa 2429 (Munasakhah): husband, son, two daughters, 16 (4, 6, 6); the husband
        // leaves the same children, 4 (2, 2): it divides his 4 parts, and 16 stays; the son's 8 and each
        // daughter's 4 share a fourth with it, and the table is reduced to 4 (الاختصار).
        Example{"husband_son_two_daughters_then_the_husband_divides",
                "h=1 s=1 d=2",
                {died("1:h", "s=1 d=2", {{"s", "1:s"}, {"d", "1:d"}})},
                4,
                {Divides},
                {{"1:s", 2}, {"1:d", 2}}},
        // Three sons, 3; one dies leaving his two brothers, 2; 1 and 2 coprime: 6, each brother 3, which
        // the books reduce by 3 to 2, one each.
        Example{"three_sons_then_one_reduced", "s=3", {died("1:s", "b=2", {{"b", "1:s"}})}, 2, {Coprime}, {{"1:s", 2}}},
        // The same fatwa: husband and two brothers, 4 (2, 1, 1); the husband leaves four sons, 4: 2 and 4
        // agree by a half: 8.
        Example{"husband_two_brothers_then_the_husband_agrees",
                "h=1 b=2",
                {died("1:h", "s=4")},
                8,
                {Agrees},
                {{"1:b", 4}, {"2:s", 4}}},
        // Three deaths, the first wife in all three (wife, mother, mother): the daughter, known in the
        // second as the sister, leaves husband, son and her mother, 12; 77 and 12 coprime: 1440.
        Example{"the_wife_in_three_cases",
                "w=1 s=1 d=1",
                {died("1:s", "m=1 si=1", {{"m", "1:w"}, {"si", "1:d"}}), died("2:si", "h=1 s=1 m=1", {{"m", "2:m"}})},
                1440,
                {Coprime, Coprime},
                {{"1:w", 670}, {"3:s", 539}, {"3:h", 231}}},
        // One of two daughters dies, 8 of 24 parts; her case 6 (mother 2, sister 3, uncle 1) agrees by a
        // half: 72; her sister is the surviving daughter.
        Example{"one_of_two_daughters_dies",
                "w=1 d=2 b=1",
                {died("1:d", "m=1 si=1 u=1", {{"m", "1:w"}, {"si", "1:d"}, {"u", "1:b"}})},
                72,
                {Agrees},
                {{"1:b", 19}, {"1:w", 17}, {"1:d", 36}}},
        // The brother leaves only a wife, who keeps her quarter: three quarters of his estate go to no heir.
        Example{"the_brother_leaves_a_wife_alone",
                "w=1 b=1",
                {died("1:b", "w=1")},
                16,
                {Coprime},
                {{"1:w", 4}, {"2:w", 3}},
                9},
        // With the spouse's return the wife of the second takes all of his estate.
        Example{"the_brother_leaves_a_wife_alone_with_the_spouse_return",
                "w=1 b=1",
                {died("1:b", "w=1")},
                4,
                {Divides},
                {{"1:w", 1}, {"2:w", 3}},
                0,
                {School::Hanafi, true, false}},
        // As many later deaths as a case holds.
        Example{"the_longest_chain_a_case_holds",
                "s=2",
                sonsChain(kMaxLaterDeaths),
                2,
                std::vector<PartsRelation>(kMaxLaterDeaths, Divides),
                {{"1:s", 1}, {"51:s", 1}}}));

// Relatives by path in the deaths, worked by hand by the same method (the
// shares as al-Rahbiyya gives them: a grandmother's sixth, the wife's eighth
// beside a descendant, the distant kindred after the spouse under the
// Hanafi school).
INSTANTIATE_TEST_SUITE_P(ByPath, CombinedBaseTest,
                         ::testing::Values(
                             // A woman leaves husband, mother, son and daughter: 12, corrected 36 (9, 6, 14, 7). The
                             // son leaves his father (her husband), his mother's mother (her mother) and his sister,
                             // excluded by the father: 6 (grandmother 1, father 5); 14 and 6 agree by a half: 108.
                             Example{
                                 "a_grandmother_by_side_in_the_later_death",
                                 "h=1 m=1 s=1 d=1",
                                 {diedByPath("1:s", "f=1 m.m=1 si=1", {{"f", "1:h"}, {"m.m", "1:m"}, {"si", "1:d"}})},
                                 108,
                                 {Agrees},
                                 {{"1:d", 21}, {"1:m", 25}, {"1:h", 62}}},
                             // A wife and a brother, 4 (1, 3); the brother leaves his wife and his son's son's son: 8
                             // (1, 7); 3 and 8 coprime: 32.
                             Example{"a_great_grandson_in_the_later_death",
                                     "w=1 b=1",
                                     {diedByPath("1:b", "w=1 s.s.s=1")},
                                     32,
                                     {Coprime},
                                     {{"1:w", 8}, {"2:w", 3}, {"2:s.s.s", 21}}},
                             // A husband and a brother, 2 (1, 1); the brother leaves his daughter and his brother's
                             // son's son, the residuary: 2 (1, 1); 1 and 2 coprime: 4.
                             Example{"a_nephews_son_in_the_later_death",
                                     "h=1 b=1",
                                     {diedByPath("1:b", "d=1 b.s.s=1")},
                                     4,
                                     {Coprime},
                                     {{"1:h", 2}, {"2:d", 1}, {"2:b.s.s", 1}}},
                             // The brother leaves his wife and his daughter's son, of the distant kindred, who takes
                             // what the wife leaves: 4 (1, 3); 1 and 4 coprime: 8.
                             Example{"distant_kindred_in_the_later_death",
                                     "h=1 b=1",
                                     {diedByPath("1:b", "w=1 d.s=1")},
                                     8,
                                     {Coprime},
                                     {{"1:h", 4}, {"2:w", 1}, {"2:d.s", 3}}},
                             // The first deceased leaves by path his wife, his father's mother and his son's son's son:
                             // 24 (3, 4, 17); the great-grandson leaves two sons: 2; 17 and 2 coprime: 48.
                             Example{"the_first_deceaseds_heirs_by_path",
                                     "w=1 f.m=1 s.s.s=1",
                                     {died("1:s.s.s", "s=2")},
                                     48,
                                     {Coprime},
                                     {{"1:w", 6}, {"1:f.m", 8}, {"2:s", 34}},
                                     0,
                                     {},
                                     true}));

struct Refusal {
    std::string name;
    std::string_view first;
    std::vector<LaterDeath> later;
    DeathsProblem problem;
    int death;
    Positions positions{};
};

std::string PrintToString(const Refusal& r) { return r.name; }

class DeathsRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(DeathsRefusalTest, NamesTheProblemAndTheDeath)
{
    const Refusal& r = GetParam();
    const CombinedComputation c = computeSuccessiveDeaths(countsOf(r.first), r.later, r.positions);
    EXPECT_EQ(c.refusal.problem, r.problem);
    EXPECT_EQ(c.refusal.death, r.death);
}

// Each later daughter leaves 30000 daughters of her own: J grows 30000-fold a death.
std::vector<LaterDeath> daughtersChain(int deaths)
{
    std::vector<LaterDeath> chain{died("1:s", "d=30000")};
    for (int d = 3; d <= deaths; ++d) chain.push_back(died(std::to_string(d - 1) + ":d", "d=30000"));
    return chain;
}

INSTANTIATE_TEST_SUITE_P(
    References, DeathsRefusalTest,
    ::testing::Values(
        Refusal{"no_such_group", "w=1 s=1", {died("1:f", "m=1")}, UnknownGroup, 2},
        Refusal{"a_group_of_the_same_death", "w=1 s=1", {died("2:s", "m=1")}, UnknownGroup, 2},
        Refusal{"a_group_that_died", "w=1 s=1 d=1", {died("1:s", "m=1 si=1"), died("1:s", "m=1")}, DeadGroup, 3},
        Refusal{"an_excluded_brother_never_inherited", "w=1 s=1 b=1", {died("1:b", "s=1")}, NeverInherited, 2},
        Refusal{"a_son_leaves_no_husband", "w=1 s=1", {died("1:s", "h=1 m=1")}, HusbandOfMan, 2},
        Refusal{"a_daughter_leaves_no_wives", "w=1 d=1", {died("1:d", "w=1 m=1")}, WivesOfWoman, 2},
        Refusal{"a_uterine_sibling_never_both_spouses", "m=1 bm=2", {died("1:bm", "h=1 w=1")}, ValidationStop, 2},
        Refusal{"a_link_for_a_kind_not_entered", "w=1 s=1", {died("1:s", "m=1", {{"b", "1:w"}})}, LinkedKindAbsent, 2},
        Refusal{"one_group_linked_twice",
                "w=1 s=1 d=1",
                {died("1:s", "m=1 si=1", {{"m", "1:w"}, {"si", "1:w"}})},
                LinkedTwice,
                2},
        Refusal{"the_deceased_in_his_own_case", "w=1 s=1", {died("1:s", "s=1", {{"s", "1:s"}})}, DeceasedLinked, 2},
        Refusal{"a_link_with_another_count", "w=1 s=1 d=1", {died("1:s", "si=2", {{"si", "1:d"}})}, CountDiffers, 2},
        Refusal{"the_surviving_sister_alone_counts", "d=2", {died("1:d", "si=2", {{"si", "1:d"}})}, CountDiffers, 2},
        Refusal{"a_daughters_husband_linked_to_a_wife",
                "w=1 s=1 d=1",
                {died("1:d", "h=1 m=1", {{"h", "1:w"}})},
                OtherSex,
                2},
        Refusal{
            "a_sons_mother_linked_to_his_brother", "w=1 s=2", {died("1:s", "m=1 b=1", {{"m", "1:s"}})}, OtherSex, 2},
        Refusal{"a_father_linked_to_a_daughter", "w=1 s=1 d=1", {died("1:s", "f=1", {{"f", "1:d"}})}, OtherSex, 2},
        Refusal{"no_heirs", "w=1 s=1", {died("1:s", "")}, NoHeirs, 2},
        Refusal{"three_grandmothers_under_the_maliki_school",
                "s=1",
                {died("1:s", "gm=3")},
                SchoolRefuses,
                2,
                {School::Maliki}},
        Refusal{"the_first_death_stopped", "h=1 w=1 s=1", {died("1:s", "m=1")}, ValidationStop, 1},
        Refusal{"a_combined_base_beyond_two_to_the_53", "s=1", daughtersChain(5), CombinedBeyondExactRange, 5},
        Refusal{"more_later_deaths_than_a_case_holds", "s=2", sonsChain(kMaxLaterDeaths + 1), TooManyDeaths, 52}));

INSTANTIATE_TEST_SUITE_P(
    ByPath, DeathsRefusalTest,
    ::testing::Values(
        Refusal{"no_grandmother_by_side_among_the_first", "w=1 s=1", {died("1:f.m", "s=1")}, UnknownGroup, 2},
        Refusal{"a_grandmother_by_side_leaves_no_wives",
                "w=1 s=1",
                {diedByPath("1:s", "m=1 f.m=1", {{"m", "1:w"}}), diedByPath("2:f.m", "w=1 s=1")},
                WivesOfWoman,
                3},
        Refusal{"a_grandmother_by_side_linked_to_a_son",
                "w=1 s=2",
                {diedByPath("1:s", "m=1 m.m=1", {{"m.m", "1:s"}})},
                OtherSex,
                2},
        Refusal{"a_link_for_a_path_not_entered",
                "w=1 s=1",
                {diedByPath("1:s", "m=1", {{"f.m", "1:w"}})},
                LinkedKindAbsent,
                2},
        Refusal{"a_path_no_school_divides", "w=1 s=1", {diedByPath("1:s", "m.m=1 gm=1")}, PathsRefused, 2}));

TEST(CombinedBase, ByPathTheGroupsAreKnownByTheirPaths)
{
    // The first deceased's heirs by path: the great-grandson who dies is "1:s.s.s", his great-grandmother
    // by side a woman who leaves no wives, and the mother's mother, excluded by the mother, never inherited.
    const std::vector<RelativeEntry> first = entriesOf("m=1 m.m=1 f.m=1 s.s.s=1");
    EXPECT_EQ(computeSuccessiveDeaths(first, {diedByPath("1:f.m", "s=1")}).refusal.problem, NeverInherited);
    EXPECT_EQ(computeSuccessiveDeaths(first, {diedByPath("1:m", "w=1 s=1")}).refusal.problem, WivesOfWoman);
    const CombinedComputation c = computeSuccessiveDeaths(first, {died("1:s.s.s", "s=1")});
    ASSERT_FALSE(c.refusal.refused());
    EXPECT_EQ(refText(c.table.groups.at(3).ref), "1:s.s.s");
    EXPECT_EQ(c.table.groups.at(3).diedAs, 2);
}

TEST(CombinedBase, RefusalNamesTheCountsOfALink)
{
    const CombinedComputation c =
        computeSuccessiveDeaths(countsOf("w=1 s=1 d=1"), {died("1:s", "si=2", {{"si", "1:d"}})});
    EXPECT_EQ(c.refusal.ref, ref("1:d"));
    EXPECT_EQ(c.refusal.kind, HeirKind::FullSisters);
    EXPECT_EQ(c.refusal.heirs, 2);
    EXPECT_EQ(c.refusal.survivors, 1);
}

TEST(CombinedBase, ColumnsOfTheClassicExample)
{
    const CombinedComputation c =
        computeSuccessiveDeaths(countsOf("w=1 s=1 d=1"), {died("1:s", "m=1 si=1", {{"m", "1:w"}, {"si", "1:d"}})});
    EXPECT_EQ(c.table.caseBases, (std::vector<std::int64_t>{24, 5}));
    EXPECT_EQ(c.table.multipliers, (std::vector<std::int64_t>{5, 14}));
    const JoinStep& step = c.table.joins.at(0);
    EXPECT_EQ(step.deceasedParts, 14);
    EXPECT_EQ(step.earlierMultiplier, 5);
    EXPECT_EQ(step.caseMultiplier, 14);
    const PersonGroup& son = c.table.groups.at(0);  // the kinds of the first death in kind order
    EXPECT_EQ(son.diedAs, 2);
    EXPECT_EQ(c.table.casePart(0, 0), 14);
    EXPECT_EQ(c.table.casePart(0, 1), 0);
}

TEST(CombinedBase, ReferencesReadOnlyAsWritten)
{
    EXPECT_EQ(refFromText("12:gm"), (GroupRef{12, HeirKind::Grandmothers}));
    for (const std::string_view bad :
         {"01:w", "0:w", ":w", "1:", "1w", "1:x", "-1:w", "1:w ", "1234567:w", "1:s.x", "1:s..s", "1:d.d@"}) {
        EXPECT_FALSE(refFromText(bad)) << bad;
    }
    // The 21 codes are names of paths: a path that one names is its group, unless a label sets it apart.
    EXPECT_EQ(refFromText("1:s.s"), refFromText("1:gs"));
    EXPECT_EQ(refFromText("2:f.f"), (GroupRef{2, HeirKind::Grandfather}));
    EXPECT_EQ(refText(ref("1:s.s.s")), "1:s.s.s");
    EXPECT_EQ(refText(ref("1:d.d@1")), "1:d.d@1");
    EXPECT_NE(ref("1:s@1"), ref("1:s"));
}

}  // namespace
}  // namespace qismaru
