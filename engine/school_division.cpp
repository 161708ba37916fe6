#include "engine/school_division.h"

#include <algorithm>
#include <numeric>

#include "engine/case_work.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

double toDouble(Fraction f) { return static_cast<double>(f.num) / static_cast<double>(f.den); }

// Every group's heads must divide its parts: the least factor that makes
// them, for each group and then for all, by the greatest common divisor.
std::int64_t correctionOf(const KindCounts& counts, const Division& d, std::int64_t base, StepTrace* trace)
{
    std::int64_t correction = 1;
    for (int i = 0; i < d.size; ++i) {
        const ShareGroup& g = d.groups[i];
        const Fraction partsFraction = g.share * Fraction::whole(base);
        const std::int64_t parts = partsFraction.num;  // whole: the base is a multiple of every denominator
        const std::int64_t heads = g.heads(counts);
        const std::int64_t common = std::gcd(parts, heads);
        if (common == heads) continue;
        const std::int64_t factor = heads / common;
        const HeadsRelation relation = common == 1       ? HeadsRelation::AllHeads
                                       : common == parts ? HeadsRelation::HeadsMultiple
                                                         : HeadsRelation::CommonFactor;
        const HeadFactor found{factor, relation, common};
        // A pool of equal heads (the Mushtaraka) is told as the uterine siblings' group it joined.
        if (g.size == 1 || g.weights[0] == g.weights[1]) {
            recordStep(trace, step::GroupHeads{g.kinds[0], parts, heads, found});
        } else {
            recordStep(trace, step::PairHeads{g.kinds[0], g.kinds[1], parts, heads, found});
        }
        const std::int64_t shared = std::gcd(correction, factor);
        const std::int64_t next = correction / shared * factor;
        if (correction > 1) {
            const std::int64_t hi = std::max(correction, factor);
            const std::int64_t lo = std::min(correction, factor);
            const Relation r = hi == lo       ? Relation::Equal
                               : hi % lo == 0 ? Relation::Divides
                               : shared > 1   ? Relation::CommonFactor
                                              : Relation::NoFactorFound;
            recordStep(trace, step::CombinedFactors{correction, factor, CommonMultiple{next, r, shared}});
        }
        correction = next;
        if (correction > kMaxExactWhole) return correction;
    }
    return correction;
}

std::uint32_t fixedDenominators(const Division& d)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < d.size; ++i) {
        const ShareGroup& g = d.groups[i];
        if (g.label != ShareLabel::None || g.share.den >= 32) return 0;
        if (g.share.den > 1) bits |= std::uint32_t{1} << g.share.den;
    }
    return bits;
}

}  // namespace

CaseOutcome settle(const KindCounts& counts, const Division& d, CaseResult& r, StepTrace* trace)
{
    r = CaseResult{};
    std::int64_t base = 1;
    for (int i = 0; i < d.size; ++i) {
        const std::int64_t den = d.groups[i].share.den;
        if (__builtin_mul_overflow(base / std::gcd(base, den), den, &base) || base > kMaxExactWhole) {
            r.base = kBeyondExact;
            return CaseOutcome::BeyondExactRange;
        }
    }
    const Fraction total = d.total();
    const bool increase = Fraction::whole(1) < total;
    const bool scaled = increase || (total < Fraction::whole(1) && !d.undistributed);
    const Fraction adjusted = scaled ? total * Fraction::whole(base) : Fraction::whole(base);
    const double scale = scaled ? 1.0 / toDouble(total) : 1.0;
    r.shareScale = r.spouseScale = r.baseDivisor = scale;
    r.returnFactor = 1.0;
    r.base = base;
    r.undistributedRemainder = total < Fraction::whole(1) && d.undistributed;
    if (const std::uint32_t bits = fixedDenominators(d)) recordStep(trace, step::BaseOfDenominators{bits, base, false});
    if (increase) recordStep(trace, step::Increase{total});

    const std::int64_t correction = correctionOf(counts, d, base, trace);
    std::int64_t finalBase = 0;
    if (correction > kMaxExactWhole || __builtin_mul_overflow(adjusted.num, correction, &finalBase) ||
        finalBase > kMaxExactWhole) {
        r.correction = static_cast<double>(correction);
        return CaseOutcome::BeyondExactRange;
    }
    r.correction = static_cast<double>(correction);
    r.adjustedBase = adjusted.num;
    r.finalBase = finalBase;

    for (int i = 0; i < d.size; ++i) {
        const ShareGroup& g = d.groups[i];
        const std::int64_t heads = g.heads(counts);
        for (int k = 0; k < g.size; ++k) {
            const HeirKind kind = g.kinds[k];
            const Fraction portion = g.share * Fraction::of(std::int64_t{counts.of(kind)} * g.weights[k], heads);
            ShareResult& share = r[kind];
            if (g.label == ShareLabel::None) {
                setFraction(share, static_cast<int>(portion.num), static_cast<int>(portion.den));
            } else {
                setResiduary(share, toDouble(portion), portion, g.label);
            }
            // Whole: the correction makes every head's parts whole.
            r.parts[indexOf(kind)] = static_cast<std::int64_t>(Wide{portion.num} * base * correction / portion.den);
        }
    }
    return CaseOutcome::Computed;
}

}  // namespace qismaru
