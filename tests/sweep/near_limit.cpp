#include "tests/sweep/near_limit.h"

#include <gmpxx.h>

#include <algorithm>
#include <random>

#include "engine/compute_case.h"
#include "tests/support/case_text.h"

namespace qismaru::sweep {

namespace {

using enum HeirKind;

// Kinds whose shares follow from the fractions alone: fixed sharers, a 2:1
// pair or a lone residuary, sisters beside daughters. With no parent,
// grandparent or husband in the case, every share of the estate is a fixed
// fraction or a part of what the fractions leave, and a teacher's rational
// arithmetic gives each kind's parts of the corrected base directly.
constexpr HeirKind kFamily[] = {Grandmothers,       Wives,           Daughters,   SonsSons,
                                SonsDaughters,      FullBrothers,    FullSisters, ConsanguineBrothers,
                                ConsanguineSisters, UterineSiblings, Sons,        FullUncles};

// Below this the double arithmetic was always right; the cases of interest
// lie between it and 2^53.
constexpr std::int64_t kNearLimit = std::int64_t{1} << 50;

mpq_class fractionOf(std::int64_t n, std::int64_t d)
{
    mpq_class q(mpz_class(static_cast<long>(n)), mpz_class(static_cast<long>(d)));
    q.canonicalize();
    return q;
}

// Each kind's share of the whole estate after any increase or return,
// recomputed in rationals from the fixed fractions and the heads.
std::array<mpq_class, kHeirKindCount> sharesOfEstate(const KindCounts& counts, const CaseResult& r)
{
    std::array<mpq_class, kHeirKindCount> q{};
    mpq_class fixed = 0;
    mpz_class residuaryWeight = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        if (share.isFraction()) {
            q[indexOf(info.kind)] = fractionOf(share.numerator, share.denominator);
            fixed += q[indexOf(info.kind)];
        } else if (share.isResiduary()) {
            const bool male = info.kind == Sons || info.kind == SonsSons || info.kind == FullBrothers ||
                              info.kind == ConsanguineBrothers || info.kind == FullUncles;
            residuaryWeight += (male ? 2 : 1) * counts.of(info.kind);
        }
    }
    const mpq_class left = fixed < 1 ? mpq_class(1 - fixed) : mpq_class(0);
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = r[info.kind];
        if (!share.isResiduary() || residuaryWeight == 0) continue;
        const bool male = info.kind == Sons || info.kind == SonsSons || info.kind == FullBrothers ||
                          info.kind == ConsanguineBrothers || info.kind == FullUncles;
        q[indexOf(info.kind)] = left * mpq_class((male ? 2 : 1) * counts.of(info.kind), residuaryWeight);
        q[indexOf(info.kind)].canonicalize();
    }
    if (fixed > 1) {
        for (mpq_class& share : q) share /= fixed;  // the increase
    } else if (fixed < 1 && residuaryWeight == 0 && fixed > 0) {
        // The return: to all sharers without a wife, to the others with one.
        const mpq_class wives = q[indexOf(Wives)];
        for (const HeirKindInfo& info : heirKinds()) {
            if (info.kind != Wives) q[indexOf(info.kind)] *= (1 - wives) / (fixed - wives);
        }
    }
    return q;
}

std::string disagreement(const KindCounts& counts, const CaseComputation& c)
{
    if (const auto violation = findInvariantViolation(counts, c)) return std::string(*violation);
    const CaseResult& r = c.result;
    const auto q = sharesOfEstate(counts, r);
    const mpz_class finalBase(static_cast<long>(r.finalBase));
    mpz_class total = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const mpq_class expected = q[indexOf(info.kind)] * finalBase;
        const mpz_class shown(static_cast<long>(r.parts[indexOf(info.kind)]));
        if (expected != mpq_class(shown)) {
            return std::string(info.code) + " shows " + shown.get_str() + " parts, exactly " + expected.get_str();
        }
        total += shown;
    }
    if (total != finalBase) return "the parts add up to " + total.get_str() + ", not " + finalBase.get_str();
    return "";
}

// Three kinds with counts between 2^13 and 2^15, and a fourth kind whose
// count is still to be tuned.
struct Template {
    KindCounts counts;
    HeirKind tuned = Wives;
};

Template randomTemplate(std::mt19937_64& random)
{
    std::uniform_int_distribution<int> large(1 << 13, kMaxCount);
    Template t;
    for (int k = 0; k < 3; ++k) {
        const HeirKind kind = kFamily[random() % std::size(kFamily)];
        t.counts.set(kind, kind == Wives ? 1 + static_cast<int>(random() % kMaxWives) : large(random));
    }
    t.tuned = kFamily[random() % std::size(kFamily)];
    return t;
}

}  // namespace

NearLimitReport checkNearLimit(std::int64_t wanted, std::uint64_t seed)
{
    NearLimitReport report;
    std::mt19937_64 random(seed);
    // The corrected base is about the template's times the new prime factors
    // of the tuned count: counts drawn around 2^50 / (the template's base)
    // land in the window more often than not.
    const auto check = [&](const KindCounts& counts) {
        ++report.generated;
        const CaseComputation c = computeCase(counts);
        if (c.outcome != CaseOutcome::Computed || c.result.finalBase < kNearLimit) return;
        ++report.checked;
        std::string problem = disagreement(counts, c);
        if (problem.empty()) return;
        ++report.findingCount;
        if (report.findings.size() < 20) report.findings.push_back({counts, std::move(problem)});
    };
    while (report.checked < wanted) {
        Template t = randomTemplate(random);
        if (t.counts.has(t.tuned)) continue;
        const CaseComputation c = computeCase(t.counts);
        if (c.outcome != CaseOutcome::Computed) continue;
        const std::int64_t low = std::max<std::int64_t>(1, kNearLimit / c.result.finalBase);
        const std::int64_t high = std::min<std::int64_t>(t.tuned == Wives ? kMaxWives : kMaxCount, 16 * low);
        if (low > high) continue;
        std::uniform_int_distribution<std::int64_t> count(low, high);
        for (int tries = 0; tries < 64 && report.checked < wanted; ++tries) {
            t.counts.set(t.tuned, static_cast<int>(count(random)));
            check(t.counts);
        }
    }
    return report;
}

}  // namespace qismaru::sweep
