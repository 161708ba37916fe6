// The reduced sweep: no case breaks a check, and the signature of all results
// is the recorded one. A change of any share, figure or placed text changes
// the signature; record the new one only together with the reason.

#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <unordered_set>
#include <sstream>

#include "tests/support/case_text.h"
#include "tests/sweep/case_sweep.h"

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
    for (const Finding& finding : report.findings) ADD_FAILURE() << testing::textOf(finding.counts) << ": " << finding.problem;
    EXPECT_EQ(report.findingCount, 0);
    EXPECT_EQ(hex(report.signature), recordedSignature("reduced"))
        << "results changed: if on purpose, record the new signature in tests/sweep/signatures.txt "
           "and say why in the commit message";
}

// Each case once: a case visited twice would weigh double in the signature,
// a family that silently shrank would check less than it claims. The sizes
// are counted by hand: sets of up to n of the 21 kinds without husband and
// wives together, plus k of the 17 counted kinds at counts 1 to 3 (not all 1)
// beside any of the 16 choices of single kinds, again without the husband
// beside wives.
TEST(Sweep, FamiliesVisitEachCaseOnceAndKeepTheEntryRules)
{
    struct Family {
        SweepSize size;
        std::int64_t cases;
    };
    // Reduced: 82159 - 5036 sets; (17*2 + 136*8) * 16 - (2 + 16*8) * 8 counted.
    // Full: 2^21 - 1 - 2^19 sets; (34 + 1088 + 680*26) * 16 - (130 + 120*26) * 8 counted.
    for (const Family family : {Family{SweepSize::Reduced, 77123 + 16912}, Family{SweepSize::Full, 1572863 + 274832}}) {
        std::unordered_set<std::uint64_t> seen;
        std::int64_t visits = 0;
        forEachCase(family.size, [&](const KindCounts& counts) {
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
        EXPECT_EQ(visits, family.cases);
        EXPECT_EQ(static_cast<std::int64_t>(seen.size()), visits);
    }
}

}  // namespace
}  // namespace qismaru::sweep
