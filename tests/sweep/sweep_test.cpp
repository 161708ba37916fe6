// The reduced sweep: no case breaks a check, and the signature of all results
// is the recorded one. A change of any share, figure or placed text changes
// the signature; record the new one only together with the reason.

#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <sstream>
#include <unordered_set>

#include "tests/support/case_text.h"
#include "tests/sweep/case_sweep.h"
#include "tests/sweep/death_chains.h"
#include "tests/sweep/near_limit.h"
#include "tests/sweep/solution_check.h"

namespace qismaru::sweep {
namespace {

std::string recordedSignature(const std::string& sweepName)
{
    std::ifstream file(QISMARU_SIGNATURES_FILE);
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string name;
        std::string signature;
        if (words >> name >> signature && name == sweepName) return signature;
    }
    return "(none recorded for " + sweepName + ")";
}

std::string hex(std::uint64_t n)
{
    std::ostringstream text;
    text << std::hex << std::setw(16) << std::setfill('0') << n;
    return text.str();
}

TEST(Sweep, ReducedFamilyHasNoFindingsAndTheRecordedSignature)
{
    const SweepReport report = runSweep(SweepSize::Reduced);
    for (const Finding& finding : report.findings)
        ADD_FAILURE() << testing::textOf(finding.counts) << ": " << finding.problem;
    EXPECT_EQ(report.findingCount, 0);
    EXPECT_EQ(hex(report.signature), recordedSignature("reduced"))
        << "results changed: if on purpose, record the new signature in tests/sweep/signatures.txt "
           "and say why in the commit message";
}

// The other schools, and the two positions once each: no finding in the
// reduced family, and the recorded signature, so that a change to one
// school's rules shows. scripts/sweep.sh sweeps every combination.
TEST(Sweep, ReducedFamilyUnderTheOtherSchools)
{
    using enum School;
    for (const Positions positions : {Positions{Maliki}, Positions{Shafii}, Positions{Hanbali},
                                      Positions{Shafii, true, false}, Positions{Shafii, false, true}}) {
        const std::string name = sweepName(SweepSize::Reduced, positions);
        const SweepReport report = runSweep(SweepSize::Reduced, positions);
        for (const Finding& finding : report.findings)
            ADD_FAILURE() << name << ": " << testing::textOf(finding.counts) << ": " << finding.problem;
        EXPECT_EQ(hex(report.signature), recordedSignature(name)) << name;
    }
}

// Each case once: a case visited twice would weigh double in the signature,
// a family that silently shrank would check less than it claims. The size is
// counted by hand: sets of up to six of the 21 kinds without husband and
// wives together (82159 - 5036), plus one or two of the 17 counted kinds at
// counts 1 to 3, not all 1, beside any of the 16 choices of single kinds,
// again without the husband beside wives ((17*2 + 136*8) * 16 - (2 + 16*8) * 8).
// The full family's size is part of its signature, which scripts/sweep.sh checks.
TEST(Sweep, ReducedFamilyVisitsEachCaseOnceAndKeepsTheEntryRules)
{
    std::unordered_set<std::uint64_t> seen;
    std::int64_t visits = 0;
    forEachCase(SweepSize::Reduced, [&](const KindCounts& counts) {
        ++visits;
        ASSERT_FALSE(counts.empty());
        ASSERT_FALSE(counts.has(HeirKind::Husband) && counts.has(HeirKind::Wives)) << testing::textOf(counts);
        std::uint64_t packed = 0;
        for (const std::int16_t n : counts.count) {
            ASSERT_LE(n, 3);
            packed = packed << 2 | static_cast<std::uint64_t>(n);
        }
        seen.insert(packed);
    });
    EXPECT_EQ(visits, 77123 + 16912);
    EXPECT_EQ(static_cast<std::int64_t>(seen.size()), visits);
}

// Every solution of the family states the result's own figures and accounts
// for every entered kind, under every school and position (where a school's
// rule decides the case; elsewhere its solution is the Hanafi one);
// scripts/sweep.sh --steps checks the full family.
TEST(Sweep, EverySolutionOfTheReducedFamilyAgreesWithItsResult)
{
    std::int64_t findings = 0;
    std::int64_t schoolCases = 0;
    forEachCase(SweepSize::Reduced, [&](const KindCounts& counts) {
        const CaseComputation hanafi = computeCase(counts);
        for (const Positions& positions : everyPositions()) {
            if (positions != Positions{} && !schoolRuleApplies(counts, positions, hanafi)) continue;
            schoolCases += positions != Positions{};
            const std::string problem = solutionProblemOf(counts, positions);
            if (!problem.empty() && ++findings <= 20) {
                ADD_FAILURE() << sweepName(SweepSize::Reduced, positions) << ": " << testing::textOf(counts) << ": "
                              << problem;
            }
        }
    });
    EXPECT_EQ(findings, 0);
    EXPECT_GT(schoolCases, 10000);  // the schools' rules are checked, not skipped
}

// A kind with many heirs is named with its number after the plural, and its
// sentences keep their grammar, beside the heirs that bring each rule about.
TEST(Sweep, SolutionsWithManyHeirsOfAKind)
{
    const char* const besides[] = {"", "h=1 m=1", "gf=1", "d=1", "w=1 f=1", "h=1 m=1 bm=2", "gf=1 si=1 m=1"};
    for (const HeirKindInfo& info : heirKinds()) {
        if (info.entry != EntryKind::Counted) continue;
        for (const char* beside : besides) {
            KindCounts counts = testing::countsOf(beside);
            counts.set(info.kind, 12);
            for (const Positions& positions : everyPositions()) {
                const std::string problem = solutionProblemOf(counts, positions);
                EXPECT_EQ(problem, "") << sweepName(SweepSize::Reduced, positions) << ": " << testing::textOf(counts);
            }
        }
    }
}

// A sample of the cases just below 2^53, where the parts once came out one
// too many; scripts/sweep.sh --near-limit checks 100,000 of them.
TEST(Sweep, PartsNearTheExactLimitAgreeWithRationalArithmetic)
{
    const NearLimitReport report = checkNearLimit(2000, 7);
    for (const Finding& finding : report.findings)
        ADD_FAILURE() << testing::textOf(finding.counts) << ": " << finding.problem;
    EXPECT_EQ(report.checked, 2000);
    EXPECT_EQ(report.findingCount, 0);
}

// Chains of up to four deaths: the combined table agrees with the shares
// reckoned apart in rationals; scripts/sweep.sh --chains checks 100,000.
TEST(Sweep, CombinedTablesOfDrawnDeathChainsAgreeWithRationalArithmetic)
{
    const ChainReport report = checkDeathChains(2000, 11);
    for (const std::string& finding : report.findings) ADD_FAILURE() << finding;
    EXPECT_EQ(report.checked, 2000);
    EXPECT_GT(report.deaths, 3000);
    EXPECT_EQ(report.findingCount, 0);
}

}  // namespace
}  // namespace qismaru::sweep
