#pragma once

#include "engine/case_result.h"
#include "engine/count_sums.h"
#include "engine/decision_trace.h"

namespace qismaru {

// What one computation shares between its steps: the counts it reads, the
// result it fills, the intermediate totals that later steps compare, and the
// trace its decisions go to when one was asked for.
struct CaseWork {
    CaseWork(const KindCounts& c, CaseResult& r, DecisionTrace* t = nullptr)
        : counts(c), sums(sumCounts(c)), result(r), trace(t)
    {
    }

    const KindCounts& counts;
    const CountSums sums;
    CaseResult& result;
    DecisionTrace* const trace;

    // 1 minus the fixed shares before the sixth rule. Never clamped: the father's
    // and grandfather's tests compare it with 1/6 to the last bit.
    double remainderBeforeSixth = 0.0;
    // The fixed shares after the sixth rule, added in their fixed order.
    double fixedTotal = 0.0;
    // 1 minus the fixed total; anything below 0.01 counts as nothing.
    double remainder = 0.0;
    // The same three exactly. Fixed shares never come within 0.01 of the
    // whole without reaching it (their denominators divide 24), so the exact
    // remainder is 0 exactly where the double one is set to 0.
    Fraction exactRemainderBeforeSixth;
    Fraction exactFixedTotal;
    Fraction exactRemainder;

    int count(HeirKind kind) const { return counts.of(kind); }
    bool has(HeirKind kind) const { return counts.has(kind); }
    ShareResult& share(HeirKind kind) { return result[kind]; }
    const ShareResult& share(HeirKind kind) const { return result[kind]; }

    // Notes a decision when the steps are asked for: `describe` builds the
    // record and runs only then, so that a computation without a trace pays
    // one test per decision and nothing else.
    // Capture the rule's locals by value and the work by reference: a record
    // that took the addresses of locals would keep them out of registers on
    // the path without a trace too.
    template <typename Describe>
    void record(Describe describe) const
    {
        if (trace) [[unlikely]]
            recordInto(*trace, describe);
    }

private:
    // Out of line and cold, so that the rule steps around a record stay as
    // small as they were and are inlined as before.
    template <typename Describe>
    [[gnu::cold, gnu::noinline]] static void recordInto(DecisionTrace& into, Describe describe)
    {
        into.add(Decision{describe()});
    }
};

inline constexpr double kSixth = 1.0 / 6.0;
inline constexpr double kNothingBelow = 0.01;

// A fixed fraction is always the double quotient of its two integers.
inline void setFraction(ShareResult& share, int numerator, int denominator)
{
    share.value = static_cast<double>(numerator) / static_cast<double>(denominator);
    share.numerator = numerator;
    share.denominator = denominator;
    share.exact = Fraction::of(numerator, denominator);
}

// A share of what is left: `value` as the rules compute it in doubles, and
// `exact`, the fraction of the estate it stands for.
inline void setResiduary(ShareResult& share, double value, Fraction exact, ShareLabel label)
{
    share.value = value;
    share.numerator = 0;
    share.denominator = 0;
    share.label = label;
    share.exact = exact;
}

}  // namespace qismaru
