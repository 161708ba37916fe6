// Laws that hold for every case the entry rules allow, checked over random
// counts up to the 16-bit limit (the sweeps walk the sets of kinds).

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/compute_case.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using enum HeirKind;

using testing::textOf;

// Returns an empty string when every law holds, else what broke.
std::string brokenLaw(const KindCounts& counts, const CaseComputation& c)
{
    if (c.outcome == CaseOutcome::ValidationStop) return "a case within the entry rules was stopped";
    if (const auto violation = findInvariantViolation(counts, c)) return std::string(*violation);
    return "";
}

TEST(Laws, RandomCountsUpToTheEntryLimit)
{
    std::mt19937 random(20261207);  // fixed: a failure must reproduce
    for (int i = 0; i < 200000; ++i) {
        KindCounts counts;
        const int kinds = 1 + static_cast<int>(random() % 8);
        for (int k = 0; k < kinds; ++k) {
            const HeirKind kind = kindAt(static_cast<int>(random() % kHeirKindCount));
            const int limit = infoOf(kind).entry == EntryKind::Single ? 1
                              : kind == Wives                         ? kMaxWives
                              : random() % 2                          ? kMaxCount
                                                                      : 12;
            counts.set(kind, 1 + static_cast<int>(random() % limit));
        }
        if (counts.has(Husband) && counts.has(Wives)) continue;
        const std::string broken = brokenLaw(counts, computeCase(counts));
        ASSERT_TRUE(broken.empty()) << textOf(counts) << ": " << broken;
    }
}

TEST(Laws, EveryCaseBeyondTheEntryRulesStopsCleanly)
{
    for (int wives = 5; wives <= kMaxCount; wives += 997) {
        KindCounts counts;
        counts.set(Wives, wives);
        counts.set(Husband, wives % 2);
        const CaseComputation c = computeCase(counts);
        EXPECT_TRUE(c.stopped()) << wives;
        EXPECT_FALSE(c.messages.empty());
    }
}

}  // namespace
}  // namespace qismaru
