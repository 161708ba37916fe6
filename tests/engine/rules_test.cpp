// The single rules of the computation, each checked on its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine/compute_case.h"
#include "engine/exclusion.h"
#include "engine/parts.h"
#include "engine/whole_numbers.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using testing::countsOf;
using enum HeirKind;

TEST(WholeNumbers, RoundsHalvesToTheEvenNeighbour)
{
    const std::tuple<double, std::int64_t> cases[] = {
        {2.5, 2}, {3.5, 4}, {0.5, 0}, {1.4999999999999998, 1}, {2.9999999999999996, 3}, {-0.5, 0}};
    for (const auto& [x, expected] : cases) EXPECT_EQ(whole(x), expected) << x;
}

TEST(WholeNumbers, CommonMultipleStepIsOneStepOfEuclid)
{
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> cases[] = {
        {21, 15, 315},  // 21 mod 15 = 6 does not divide 15: the plain product
        {10, 6, 60},    // 10 mod 6 = 4 does not divide 6
        {8, 6, 24},    {6, 8, 24},  {4, 6, 12}, {12, 8, 24},
        {3, 3, 3},     {24, 6, 24}, {1, 7, 7},  {kMaxExactWhole, 3, kBeyondExact},  // past 2^53 the step says so
    };
    for (const auto& [a, b, expected] : cases) EXPECT_EQ(commonMultipleStep(a, b), expected) << a << "," << b;
}

TEST(WholeNumbers, HeadFactors)
{
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> cases[] = {
        {28, 6, 6},  // 28 mod 6 = 4 does not divide 6
        {4, 8, 2},   // heads a multiple of the parts
        {3, 2, 2},  {2, 3, 3}, {5, 3, 3}, {2, 5, 5}, {6, 4, 2}, {9, 6, 2}, {7, 4, 4},
    };
    for (const auto& [parts, heads, expected] : cases) {
        EXPECT_EQ(headFactor(parts, heads), expected) << parts << " parts, " << heads << " heads";
    }
}

TEST(WholeNumbers, PairHeadFactors)
{
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> cases[] = {
        {4, 4, 1}, {1, 4, 4}, {7, 4, 4}, {8, 4, 1}, {2, 6, 3}, {3, 5, 5}, {6, 4, 2},
    };
    for (const auto& [parts, heads, expected] : cases) {
        EXPECT_EQ(pairHeadFactor(parts, heads), expected) << parts << " parts, " << heads << " heads";
    }
}

struct ExclusionCase {
    std::string_view counts;
    HeirKind kind;
    bool excluded;
};

TEST(Exclusion, ClosestHeirsExcludeTheRemoter)
{
    const ExclusionCase cases[] = {
        {"f=1 gf=1", Grandfather, true},
        {"gf=1", Grandfather, false},
        {"f=1 gm=1", Grandmothers, false},
        {"m=1 gm=1", Grandmothers, true},
        {"gf=1 b=1 si=1 bm=1", FullBrothers, true},
        {"gf=1 b=1 si=1 bm=1", FullSisters, true},
        {"gf=1 b=1 si=1 bm=1", UterineSiblings, true},
        {"d=1 bm=1", UterineSiblings, true},
        {"d=2 gd=1", SonsDaughters, true},
        {"d=2 gd=1 gs=1", SonsDaughters, false},
        {"d=1 gd=1", SonsDaughters, false},
        {"s=1 gs=1", SonsSons, true},
        {"d=1 si=1 bf=1", ConsanguineBrothers, true},
        {"d=1 sif=1 bf=1", ConsanguineBrothers, false},
        {"si=2 sif=1", ConsanguineSisters, true},
        {"si=2 sif=1 bf=1", ConsanguineSisters, false},
        {"d=2 si=2 sif=1", ConsanguineSisters, true},  // the full sister takes the remainder
        {"d=1 sif=1 u=1", FullUncles, true},
        {"si=1 u=1", FullUncles, false},  // a sister with her fixed half leaves the uncle the rest
        {"sb=1 sbf=1", ConsanguineBrothersSons, true},
        {"sbf=1 u=1", FullUncles, true},
        {"u=1 uf=1", ConsanguineUncles, true},
        {"uf=1 su=1", FullUnclesSons, true},
        {"su=1 suf=1", ConsanguineUnclesSons, true},
        {"suf=1 w=1 m=1", ConsanguineUnclesSons, false},
        {"f=1 s=1 d=1 m=1 h=1", Father, false},
    };
    for (const ExclusionCase& c : cases) {
        EXPECT_EQ(isExcluded(c.kind, countsOf(c.counts)), c.excluded) << c.counts << ": " << infoOf(c.kind).code;
    }
}

TEST(SixthRule, ComparesTheRemainderToTheLastBit)
{
    // 1 - (1/6 + 2/3) is 0.16666666666666674 in doubles, just above 1/6.
    const CaseComputation father = computeCase(countsOf("m=1 f=1 d=2"));
    EXPECT_EQ(father.result[Father].value, 0.16666666666666674);
    EXPECT_EQ(father.result[Father].denominator, 0);

    const CaseComputation grandfather = computeCase(countsOf("h=1 m=1 gf=1"));
    EXPECT_EQ(grandfather.result[Grandfather].value, 0.16666666666666674);
    EXPECT_EQ(labelText(grandfather.result[Grandfather].label), "الباقي");
}

struct ScaleCase {
    std::string_view counts;
    double shareScale, spouseScale, baseDivisor, returnFactor;
};

TEST(ScaleFactors, IncreaseAndReturn)
{
    const ScaleCase cases[] = {
        {"h=1 si=2", 6.0 / 7, 6.0 / 7, 6.0 / 7, 1},  // increase
        {"d=3", 1.5, 1, 1.5, 1},                     // return without a spouse
        {"h=1 d=3", 1.125, 1, 1, 1.125},             // return with a spouse
        {"w=1 d=2 gm=1", (1 - 0.125) / (23.0 / 24 - 0.125), 1, 1, (1 - 0.125) / (23.0 / 24 - 0.125)},
        {"h=1", 1, 1, 1, 1},              // a spouse alone
        {"f=1 d=1", 1, 1, 1, 1},          // the father takes the rest
        {"d=1 si=1", 1, 1, 1, 1},         // the sister takes the rest
        {"m=1 d=1 sb=1", 1, 1, 1, 1},     // a male residuary is present
        {"bm=2 si=1 sif=1", 1, 1, 1, 1},  // a total of one, not a return
    };
    for (const ScaleCase& c : cases) {
        const CaseResult r = computeCase(countsOf(c.counts)).result;
        SCOPED_TRACE(c.counts);
        EXPECT_DOUBLE_EQ(r.shareScale, c.shareScale);
        EXPECT_DOUBLE_EQ(r.spouseScale, c.spouseScale);
        EXPECT_DOUBLE_EQ(r.baseDivisor, c.baseDivisor);
        EXPECT_DOUBLE_EQ(r.returnFactor, c.returnFactor);
    }
}

TEST(FixedTotal, AnExactOneIsNeitherIncreaseNorReturn)
{
    // Uterine siblings 1/3, full sister 1/2, consanguine sister 1/6 add up to
    // 0.9999999999999999; the factors must stay exactly 1.
    const CaseResult r = computeCase(countsOf("bm=2 si=1 sif=1")).result;
    EXPECT_EQ(r.shareScale, 1.0);
    EXPECT_EQ(r.baseDivisor, 1.0);
    EXPECT_EQ(r.spouseScale, 1.0);
}

TEST(ValidationStop, HusbandWithWivesStopsAfterTheHusbandsShare)
{
    const CaseComputation c = computeCase(countsOf("h=1 w=1 m=1 s=1"));
    EXPECT_EQ(c.outcome, CaseOutcome::ValidationStop);
    ASSERT_EQ(c.messages.size(), 1);
    EXPECT_EQ(c.messages[0], CaseMessage::BothSpouses);
    // What was set before the stop stays; nothing after it is computed.
    EXPECT_DOUBLE_EQ(c.result[Mother].value, 1.0 / 6);
    EXPECT_DOUBLE_EQ(c.result[Husband].value, 0.25);
    EXPECT_EQ(c.result[Wives].value, 0.0);
    EXPECT_EQ(c.result[Sons].value, 0.0);
    EXPECT_EQ(c.result.base, 0);
}

TEST(ValidationStop, FiveWivesAndBothSpousesTogether)
{
    const CaseComputation five = computeCase(countsOf("w=5 d=1"));
    EXPECT_TRUE(five.stopped());
    ASSERT_EQ(five.messages.size(), 1);
    EXPECT_EQ(five.messages[0], CaseMessage::TooManyWives);
    EXPECT_EQ(five.result[Wives].value, 0.0);

    const CaseComputation both = computeCase(countsOf("h=1 w=6"));
    ASSERT_EQ(both.messages.size(), 2);
    EXPECT_EQ(both.messages[0], CaseMessage::BothSpouses);
    EXPECT_EQ(both.messages[1], CaseMessage::TooManyWives);
}

TEST(NamedCases, UmariyyatanNeedsFewerThanTwoSiblings)
{
    const std::tuple<std::string_view, std::vector<CaseMessage>> cases[] = {
        {"w=1 m=1 f=1 si=1", {CaseMessage::Umariyyatan}}, {"w=1 m=1 f=1 si=2", {}}, {"w=1 m=1 f=1 b=1 bm=1", {}},
        {"h=1 m=1 f=1 bm=1", {CaseMessage::Umariyyatan}}, {"h=1 m=1 f=1 b=2", {}},  {"h=1 m=1 f=1 si=1 sif=1", {}},
        {"h=1 w=1 m=1 f=1", {CaseMessage::BothSpouses}},  // stopped, so not announced
    };
    for (const auto& [text, expected] : cases) {
        const CaseComputation c = computeCase(countsOf(text));
        EXPECT_EQ(std::vector<CaseMessage>(c.messages.begin(), c.messages.end()), expected) << text;
    }
}

TEST(ExactRange, AHugeCorrectionIsReportedNotDrawn)
{
    // Coprime head counts (and a 2:1 pair of nearly 98,000 heads) multiply the
    // corrected base past 2^53.
    const CaseComputation c = computeCase(countsOf("gm=32717 w=4 d=32693 b=32609 si=32653"));
    EXPECT_EQ(c.outcome, CaseOutcome::BeyondExactRange);
}

TEST(ExactRange, LargeButExactCasesAreComputed)
{
    const CaseComputation c = computeCase(countsOf("s=32767 d=32767"));
    ASSERT_EQ(c.outcome, CaseOutcome::Computed);
    EXPECT_EQ(finalBaseOf(c.result), 3 * 32767);
}

TEST(ExactRange, PartsNearTheLimitAreExact)
{
    // In doubles the son's sons came out one part over, and the parts one
    // over the corrected base.
    const CaseComputation c = computeCase(countsOf("w=4 gm=32587 d=32531 gs=32561 gd=92"));
    ASSERT_EQ(c.outcome, CaseOutcome::Computed);
    EXPECT_EQ(finalBaseOf(c.result), 6636725670927168);
    EXPECT_EQ(partsOf(SonsSons, c.result), 276140124016136);
    EXPECT_EQ(partsOf(SonsDaughters, c.result), 390112272496);
    EXPECT_EQ(findInvariantViolation(countsOf("w=4 gm=32587 d=32531 gs=32561 gd=92"), c), std::nullopt);
}

// "gf=4 si=5 bf=1": every kind's parts of the corrected base, in kind order.
std::string partsText(const CaseResult& result)
{
    std::string text;
    for (const HeirKindInfo& info : heirKinds()) {
        if (partsOf(info.kind, result) == 0) continue;
        if (!text.empty()) text += ' ';
        text += std::string(info.code) + "=" + std::to_string(partsOf(info.kind, result));
    }
    return text;
}

struct SchoolCase {
    Positions positions;
    std::string_view heirs;
    std::string_view parts;
    std::int64_t base;  // as the books form it: from the sharers, or from the heads
    std::int64_t finalBase;
    bool asHanafi = false;  // the Hanafi answer gives every heir the same
};

TEST(Schools, WhereTheyDifferFromTheHanafiAnswer)
{
    using enum School;
    const SchoolCase cases[] = {
        // The grandfather with the siblings after Zayd.
        {{Hanbali}, "b=3 gf=1", "b=6 gf=3", 3, 9},              // the third better than dividing
        {{Shafii}, "b=2 gf=1", "b=2 gf=1", 3, 3},               // the two alike: three heads
        {{Shafii}, "b=1 gf=1 h=1", "b=1 gf=1 h=2", 2, 4},       // division beside the husband
        {{Shafii}, "bf=1 si=1 gf=1", "bf=1 si=5 gf=4", 5, 10},  // counted, the full sister back to her half
        {{Maliki}, "bf=1 sif=1 si=1 m=1 gf=1", "bf=2 si=27 sif=1 m=9 gf=15", 6, 54},  // al-Mukhtasara: 108 halved
        {{Hanbali}, "b=1 h=1 m=1 gf=1", "m=2 gf=1 h=3", 6, 6, true},    // a sixth left: his, the brother nothing
        {{Hanbali}, "b=1 d=2 gf=1 h=1", "d=8 gf=2 h=3", 12, 13, true},  // less than a sixth: his sixth, increased
        {{Shafii}, "b=3 w=1 d=2 gf=1", "b=3 w=9 d=48 gf=12", 24, 72},   // the sixth beats division with daughters
        {{Maliki}, "si=1 h=1 m=1 gf=1", "si=4 m=6 gf=8 h=9", 6, 27},    // the Akdariyya
        // A uterine sibling leaves the mother a sixth: a third is left, no Akdariyya.
        {{Shafii}, "bm=1 si=1 h=1 m=1 gf=1", "si=2 m=3 gf=4 h=9", 6, 18},
        {{Hanbali}, "bm=2 sif=1 h=1 m=1 gf=1", "sif=2 m=3 gf=4 h=9", 6, 18},
        {{Shafii}, "bm=2 bf=1 h=1 m=1 gf=1", "bf=1 m=1 gf=1 h=3", 6, 6},       // Zayd in al-Malikiyya
        {{Maliki}, "bm=2 bf=1 h=1 m=1 gf=1", "m=1 gf=2 h=3", 6, 6, true},      // Malik: the grandfather takes the third
        {{Maliki}, "bm=2 b=1 h=1 m=1 gf=1", "m=1 gf=2 h=3", 6, 6, true},       // and in its likeness
        {{Maliki}, "bm=2 bf=1 si=1 h=1 m=1 gf=1", "si=1 m=1 gf=1 h=3", 6, 6},  // a full sister: Zayd's rule
        // The base from the sharers' denominators, or from the heads, then the correction.
        {{Shafii}, "h=1 gm=1 gf=1 si=1", "gm=3 si=2 gf=4 h=9", 6, 18},
        {{Hanbali}, "m=1 gf=1 si=1", "si=2 m=3 gf=4", 3, 9},       // al-Kharqa'
        {{Shafii}, "si=1 sif=1 gf=1", "si=1 gf=1", 4, 2},          // heads 4, reduced with the sister's return to 2
        {{Hanbali}, "si=1 sif=3 gf=1", "si=9 sif=3 gf=6", 6, 18},  // dividing as good as the third: six heads
        // The Mushtaraka.
        {{Shafii}, "bm=2 b=1 h=1 m=1", "bm=4 b=2 m=3 h=9", 6, 18},
        {{Maliki}, "bm=2 b=1 si=2 h=1 gm=1", "bm=4 gm=5 b=2 si=4 h=15", 6, 30},  // five equal heads
        {{Hanbali}, "bm=2 b=1 h=1 m=1", "bm=2 m=1 h=3", 6, 6, true},             // the full brother takes nothing
        // The two return positions.
        {{Hanbali, true, false}, "w=3", "w=3", 4, 3},
        {{Hanafi, true, false}, "h=1", "h=1", 2, 1},
        {{Shafii, false, true}, "d=1 m=1", "d=3 m=1", 6, 6},        // 2 of 6 to the public treasury
        {{Shafii, false, true}, "w=1 d=1", "w=1 d=4", 8, 8},        // 3 of 8
        {{Hanafi, false, true}, "d=1 m=1", "d=3 m=1", 6, 4, true},  // not a Hanafi position: the return stands
        {{Maliki, true, true}, "h=1", "h=1", 2, 2, true},           // no return at all comes first
    };
    for (const SchoolCase& c : cases) {
        const KindCounts counts = countsOf(c.heirs);
        const CaseComputation computation = computeCase(counts, c.positions);
        const std::string name = std::string(schoolInfo(c.positions.school).key) + ": " + std::string(c.heirs);
        ASSERT_EQ(computation.outcome, CaseOutcome::Computed) << name;
        EXPECT_EQ(findInvariantViolation(counts, computation), std::nullopt) << name;
        EXPECT_EQ(partsText(computation.result), c.parts) << name;
        EXPECT_EQ(computation.result.base, c.base) << name;
        EXPECT_EQ(finalBaseOf(computation.result), c.finalBase) << name;
        EXPECT_EQ(differsFromHanafi(counts, computation), !c.asHanafi) << name;
        const bool akdariyya = c.heirs == "si=1 h=1 m=1 gf=1";
        EXPECT_EQ(std::count(computation.messages.begin(), computation.messages.end(), CaseMessage::Akdariyya),
                  akdariyya ? 1 : 0)
            << name;
    }
}

}  // namespace
}  // namespace qismaru
