// Every case of up to two kinds of heirs, with each waiting state every
// relation can have, under every school: what is given now and what is held
// make the estate, every outcome pays every heir at least what he was given,
// and the reserve pays exactly what the outcome still owes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/waiting_division.h"
#include "tests/support/case_families.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

constexpr std::string_view kMaybeUnclear[] = {"s",    "s.s", "b",    "bf",    "bm",    "b.s",
                                              "bf.s", "f.b", "f.bf", "f.b.s", "f.bf.s"};

std::vector<WaitingCase> waitingStatesOf(const KindCounts& counts)
{
    std::vector<WaitingCase> states;
    for (const std::string_view path : kMaybeUnclear) {
        const WaitingRelation as = *relationNamed(path);
        // Asking for what is certain has the Maliki division give now as the others do.
        states.push_back({counts, UnbornChild{as}, {}, {}, true});
        states.push_back({counts, {}, {}, UnclearHeirs{as, 1, true}});
        states.push_back({counts, {}, {}, UnclearHeirs{as, 2, false}});
    }
    for (const HeirKindInfo& info : heirKinds()) {
        states.push_back({counts, {}, MissingHeirs{*relationNamed(pathOf(info.kind)), 1}, {}});
    }
    return states;
}

Fraction sumOf(const std::vector<Fraction>& fractions, Fraction start)
{
    for (const Fraction f : fractions) start = start + f;
    return start;
}

// What is wrong with a waiting division, or "" when nothing is.
std::string problemOf(const WaitingCase& wait, const WaitingDivision& d)
{
    const Fraction whole = Fraction::whole(1);
    if (sumOf(d.given, d.noHeir) + d.reserve != whole) return "given, reserve and no heir's part miss the estate";
    if (d.reserve < Fraction{}) return "a negative reserve";
    for (std::size_t o = 0; o < d.outcomes.size(); ++o) {
        const WaitingOutcome& outcome = d.outcomes[o];
        if (sumOf(outcome.shares, outcome.noHeir) != whole) return outcome.name + " does not divide the estate";
        const auto key = outcomeKeyNamed(wait, d.positions, outcome.name);
        if (!d.atOnce() && !(key && *key == outcome.key)) return outcome.name + " is not read back";
        if (d.atOnce()) continue;
        Fraction owed = outcome.noHeir - d.noHeir;
        for (std::size_t i = 0; i < d.claimants.size(); ++i) {
            if (outcome.shares[i] < d.given[i]) return outcome.name + " pays an heir less than he was given";
            owed = owed + (outcome.shares[i] - d.given[i]);
        }
        if (owed != d.reserve) return outcome.name + " owes other than the reserve";
    }
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        const ClaimantRole role = d.claimants[i].role;
        if ((role == ClaimantRole::Unborn || role == ClaimantRole::Missing) && !d.given[i].isZero()) {
            return "an absent heir was given a part";
        }
    }
    if (d.atOnce() && !d.reserve.isZero()) return "a division at once holds something back";
    return "";
}

TEST(WaitingSweep, GivenNowAndReserveMakeTheEstateAndCoverEveryOutcome)
{
    int divisions = 0;
    int refused = 0;
    int failures = 0;
    testing::forEachSetOfKinds(2, [&](const KindCounts& counts) {
        for (const WaitingCase& wait : waitingStatesOf(counts)) {
            for (const SchoolInfo& school : kSchools) {
                const WaitingDivision d = divideWaiting(wait, Positions{school.school});
                ++divisions;
                if (d.refused()) {
                    ++refused;
                    continue;
                }
                const std::string problem = problemOf(wait, d);
                if (!problem.empty() && ++failures <= 10) {
                    ADD_FAILURE() << testing::textOf(counts) << " " << school.key << ": " << problem;
                }
            }
        }
    });
    EXPECT_EQ(failures, 0);
    // A missing father beside grandmothers, a missing husband beside a wife, ...
    EXPECT_LT(refused, divisions / 10) << "of " << divisions;
}

}  // namespace
}  // namespace qismaru
