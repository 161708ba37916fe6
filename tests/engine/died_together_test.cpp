// Those who died together, under each school, in cases from the books. A row
// reads, per death, each heir of his own property (a living kind by its path,
// one of the dead by his name) with his fraction of it, and after ">" what a
// dead heir passes on to his own living heirs, as fractions of that property.

#include <gtest/gtest.h>

#include <string>

#include "engine/died_together.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using enum School;

std::string heirsText(const std::vector<TogetherHeir>& heirs, const DiedTogether& t)
{
    std::string text;
    for (const TogetherHeir& h : heirs) {
        const std::string who =
            h.dead >= 0 ? t.deaths[static_cast<std::size_t>(h.dead)].name : std::string(pathOf(h.kind));
        text += " " + who + " " + h.fraction.text();
    }
    return text;
}

// Also checks that each estate, and each part passed on, is divided whole.
std::string divisionText(const DiedTogether& t, const TogetherDivision& d)
{
    std::string text;
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        Fraction total = e.noHeir;
        for (const TogetherHeir& h : e.heirs) total = total + h.fraction;
        EXPECT_EQ(total, Fraction::whole(1)) << t.deaths[i].name;
        text += (i > 0 ? "; " : "") + t.deaths[i].name + ":" + heirsText(e.heirs, t);
        for (const PassedOn& p : e.passedOn) {
            Fraction passed = p.noHeir;
            for (const TogetherHeir& h : p.heirs) passed = passed + h.fraction;
            EXPECT_EQ(passed, p.portion) << t.deaths[i].name;
            text += " > " + t.deaths[static_cast<std::size_t>(p.dead)].name + ":" + heirsText(p.heirs, t);
        }
    }
    return text;
}

// Mukhtasar al-Fara'id (al-'Azzi), bab al-gharqa: two consanguine brothers
// drowned, A leaves a daughter, B a full sister (A's consanguine sister), both
// a cousin. By hand, Hanbali: A's property, daughter 1/2, B and the sister the
// rest 2:1 (1/3, 1/6); B's 1/3 to his sister and the cousin, 1/6 each. B's
// property, his sister 1/2, A the rest; A's 1/2 to his daughter and his
// sister (residuary with her), 1/4 each.
DiedTogether brothers()
{
    return {{{"A", testing::countsOf("d=1 sif=1 su=1")}, {"B", testing::countsOf("si=1 su=1")}},
            {{"A", "B", "bf"}, {"B", "A", "bf"}}};
}

// al-Muqni' (Ibn Qudama), bab mirath al-gharqa: a woman and her son died; her
// husband (his father) and her brother survive. Disputed: each to his own
// living heirs, hers to her husband and brother by halves, his to his father.
// Undisputed, Hanbali: her property, the husband 1/4 and the son 3/4, which
// passes to his father; his property, the mother 1/3 and the father the
// rest, her third to her husband and brother, 1/6 each.
DiedTogether motherAndSon(bool dispute)
{
    DiedTogether t{{{"woman", testing::countsOf("h=1 b=1")}, {"son", testing::countsOf("f=1")}},
                   {{"woman", "son", "s"}, {"son", "woman", "m"}}};
    t.heirsDispute = dispute;
    return t;
}

TEST(DiedTogether, EachSchoolDividesTheDeathsAsTheBooksDo)
{
    const struct {
        std::string name;
        School school;
        DiedTogether together;
        std::string_view division;
    } rows[] = {
        {"brothers, no inheritance between them", Shafii, brothers(), "A: f.b.s 0 d 1/2 sif 1/2; B: f.b.s 1/2 si 1/2"},
        {"brothers, each from the other's old property", Hanbali, brothers(),
         "A: f.b.s 0 d 1/2 sif 1/6 B 1/3 > B: f.b.s 1/6 si 1/6; B: f.b.s 0 si 1/2 A 1/2 > A: f.b.s 0 d 1/4 sif 1/4"},
        {"mother and son, Hanafi", Hanafi, motherAndSon(false), "woman: b 1/2 h 1/2; son: f 1"},
        {"mother and son, Maliki", Maliki, motherAndSon(false), "woman: b 1/2 h 1/2; son: f 1"},
        {"mother and son, Hanbali, disputed", Hanbali, motherAndSon(true), "woman: b 1/2 h 1/2; son: f 1"},
        {"mother and son, Hanbali", Hanbali, motherAndSon(false),
         "woman: b 0 h 1/4 son 3/4 > son: f 3/4; son: f 2/3 woman 1/3 > woman: b 1/6 h 1/6"},
    };
    for (const auto& row : rows) {
        const TogetherDivision d = divideDiedTogether(row.together, Positions{row.school});
        ASSERT_FALSE(d.refusal.refused()) << row.name;
        EXPECT_EQ(divisionText(row.together, d), row.division) << row.name;
    }
}

TEST(DiedTogether, RefusesWhatCannotBeDivided)
{
    DiedTogether second = brothers();
    second.relations.push_back({"A", "B", "b"});
    DiedTogether stranger = brothers();
    stranger.relations[0].who = "C";
    DiedTogether twoFathers = motherAndSon(false);
    twoFathers.relations[1] = {"son", "woman", "f"};
    DiedTogether alone = brothers();
    alone.deaths.pop_back();
    const struct {
        DiedTogether together;
        TogetherProblem problem;
    } rows[] = {
        {second, TogetherProblem::RelationTwice},
        {stranger, TogetherProblem::UnknownName},
        {twoFathers, TogetherProblem::SingleKindTaken},
        {alone, TogetherProblem::TooFewDeaths},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(divideDiedTogether(row.together, Positions{Hanafi}).refusal.problem, row.problem);
    }
}

}  // namespace
}  // namespace qismaru
