// Laws that hold for every case the entry rules allow, checked over the whole
// domain of kinds and over random counts up to the 16-bit limit.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/compute_case.h"
#include "engine/parts.h"
#include "tests/support/case_families.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using enum HeirKind;

using testing::spouseAlone;
using testing::textOf;

// Returns an empty string when every law holds, else what broke.
std::string brokenLaw(const KindCounts& counts, const CaseComputation& c)
{
    if (c.outcome == CaseOutcome::ValidationStop) return "a case within the entry rules was stopped";
    if (c.outcome == CaseOutcome::BeyondExactRange) return "";  // reported, not drawn
    if (const auto violation = findInvariantViolation(counts, c)) return std::string(*violation);

    std::int64_t totalParts = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const std::int64_t parts = partsOf(info.kind, c.result);
        if (parts < 0) return "negative parts";
        if (parts > 0 && parts % counts.of(info.kind) != 0) {
            return "an heir of kind " + std::string(info.code) + " gets a fraction of a part";
        }
        totalParts += parts;
    }
    // The spouse alone keeps only the spouse's fraction; the rest of the
    // estate goes to no one, so the parts fall short of the base.
    if (!spouseAlone(counts) && totalParts != finalBaseOf(c.result)) return "the parts do not add up to the base";
    return "";
}

TEST(Laws, EverySetOfKindsWithOneHeirEach)
{
    long checked = 0;
    std::string firstBroken;  // the first failure only: one broken law breaks thousands of cases
    testing::forEachSetOfKinds(kHeirKindCount, [&](const KindCounts& counts) {
        ++checked;
        if (!firstBroken.empty()) return;
        const CaseComputation c = computeCase(counts);
        std::string broken = brokenLaw(counts, c);
        if (broken.empty() && c.outcome != CaseOutcome::Computed) broken = "not computed";
        if (!broken.empty()) firstBroken = textOf(counts) + ": " + broken;
    });
    EXPECT_EQ(firstBroken, "");
    EXPECT_EQ(checked, (1L << 21) - 1 - (1L << 19));
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
