#include "engine/school_division.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "engine/case_work.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

double toDouble(Fraction f) { return static_cast<double>(f.num) / static_cast<double>(f.den); }

bool multiply(std::int64_t& n, std::int64_t by) { return !__builtin_mul_overflow(n, by, &n); }

// The least common multiple, or nothing when it leaves 64 bits.
std::optional<std::int64_t> leastCommonMultiple(std::int64_t a, std::int64_t b)
{
    std::int64_t m = a / std::gcd(a, b);
    if (!multiply(m, b)) return std::nullopt;
    return m;
}

// share × base in lowest terms (its parts of the base, whole or not), or
// nothing when they leave 64 bits.
std::optional<Fraction> ofBase(Fraction share, std::int64_t base)
{
    const std::int64_t common = std::gcd(base, share.den);
    std::int64_t num = share.num;
    if (!multiply(num, base / common)) return std::nullopt;
    return Fraction{num, share.den / common};
}

std::uint32_t denominatorsNamed(const ShareGroup& g)
{
    if (g.denominators != 0) return g.denominators;
    return g.share.den > 1 && g.share.den < 32 ? std::uint32_t{1} << g.share.den : 0;
}

// The base as the books form it: the least common multiple of the sharers'
// denominators (the grandfather's sixth or third among them); with his
// third of what they leave, times 3 where that does not divide by 3; with
// no sharer at all, the heads of those who divide with the grandfather.
std::optional<std::int64_t> baseOf(const GroupedShares& d, DecisionTrace* trace)
{
    std::int64_t base = 1;
    std::uint32_t named = 0;
    bool sharers = false;
    for (int i = 0; i < d.size; ++i) {
        const ShareGroup& g = d.groups[i];
        if (g.role != GroupRole::Sharer || i == d.thirdOfRemainder) continue;
        sharers = true;
        const auto next = leastCommonMultiple(base, g.share.den);
        if (!next) return std::nullopt;
        base = *next;
        named |= denominatorsNamed(g);
    }
    if (!sharers && !d.pool.kinds.empty()) {
        recordStep(trace, decision::HeadsBase{d.pool.kinds, d.pool.heads});
        return d.pool.heads;
    }
    recordStep(trace, decision::BaseOfDenominators{named, base, false});
    if (d.thirdOfRemainder < 0) return base;
    const Fraction third = d.groups[d.thirdOfRemainder].share;
    const std::int64_t left = (third * Fraction::whole(3 * base)).num;  // whole: the sharers' parts are
    const auto next = leastCommonMultiple(base, third.den);
    if (!next) return std::nullopt;
    recordStep(trace, decision::ThirdOfRemainderBase{base, left, *next});
    return next;
}

HeadsRelation relationOf(std::int64_t parts, std::int64_t common)
{
    if (common == 1) return HeadsRelation::AllHeads;
    return common == parts ? HeadsRelation::HeadsMultiple : HeadsRelation::CommonFactor;
}

// The least factor by which `parts` divide among `heads`, exactly.
HeadFactor exactHeadFactor(std::int64_t parts, std::int64_t heads)
{
    const std::int64_t common = std::gcd(parts, heads);
    return {heads / common, relationOf(parts, common), common};
}

void recordHeads(const KindCounts& counts, const ShareGroup& g, std::int64_t parts, const HeadFactor& found,
                 DecisionTrace* trace)
{
    const std::int64_t heads = g.heads(counts);
    // A pool of equal heads (the Mushtaraka) is told as the uterine siblings' group it joined.
    if (g.size == 1 || g.weights[0] == g.weights[1]) {
        recordStep(trace, decision::GroupHeads{g.kinds[0], parts, heads, found});
    } else {
        recordStep(trace, decision::PairHeads{g.kinds[0], g.kinds[1], parts, heads, found});
    }
}

// The correction as the books make it, and the reduction after it: the
// multiplier of the (increased) base, whole, and the common factor all
// parts were divided by.
struct Corrected {
    std::int64_t factor = 1;
    std::int64_t reducedBy = 1;
};

class Corrector {
public:
    Corrector(const KindCounts& counts, const GroupedShares& d, std::int64_t base, std::int64_t adjusted,
              DecisionTrace* trace)
        : counts_(counts), d_(d), base_(base), trace_(trace), baseSoFar_(base), adjustedSoFar_(adjusted)
    {
    }

    // Nothing when a figure leaves 64 bits.
    std::optional<Corrected> run()
    {
        if (!onTheBase() || !takenBack()) return std::nullopt;
        return reduced();
    }

private:
    // The groups whose parts of the base are whole (the sharers, what a
    // grandfather with a share leaves, and the pool dividing with him): each
    // one's heads that do not divide its parts, combined as the four
    // relations combine them.
    bool onTheBase()
    {
        std::int64_t correction = 1;
        bool poolTold = false;
        for (int i = 0; i < d_.size; ++i) {
            const ShareGroup& g = d_.groups[i];
            if (g.role == GroupRole::TakenBack || (g.role == GroupRole::Pooled && poolTold)) continue;
            const bool pool = g.role == GroupRole::Pooled;
            poolTold = poolTold || pool;
            const auto onBase = ofBase(pool ? d_.pool.share : g.share, base_);
            if (!onBase) return false;
            const std::int64_t parts = onBase->num;  // whole on the base
            const std::int64_t heads = pool ? d_.pool.heads : g.heads(counts_);
            if (parts % heads == 0) continue;
            const HeadFactor found = exactHeadFactor(parts, heads);
            if (pool) {
                recordStep(trace_, decision::PoolHeads{d_.pool.kinds, parts, heads, found});
            } else {
                recordHeads(counts_, g, parts, found, trace_);
            }
            const std::int64_t shared = std::gcd(correction, found.factor);
            std::int64_t next = correction / shared;
            if (!multiply(next, found.factor)) return false;
            if (correction > 1) {
                const std::int64_t hi = std::max(correction, found.factor);
                const std::int64_t lo = std::min(correction, found.factor);
                const Relation r = hi == lo       ? Relation::Equal
                                   : hi % lo == 0 ? Relation::Divides
                                   : shared > 1   ? Relation::CommonFactor
                                                  : Relation::NoFactorFound;
                recordStep(trace_,
                           decision::CombinedFactors{correction, found.factor, CommonMultiple{next, r, shared}});
            }
            correction = next;
        }
        return correction == 1 || multiplyBy(correction);
    }

    // What the full siblings took back from the consanguine ones counted
    // against the grandfather, on the case corrected so far: the full
    // sister's half may not be whole, nor what is left to the consanguine
    // siblings divide among them. Each finding multiplies the case again.
    bool takenBack()
    {
        for (int i = 0; i < d_.size; ++i) {
            const ShareGroup& g = d_.groups[i];
            if (g.role != GroupRole::TakenBack) continue;
            const auto onBase = ofBase(g.share, baseSoFar_);
            if (!onBase) return false;
            if (onBase->den > 1) {
                recordStep(trace_, decision::ShareOfBase{g.kinds[0], g.share, baseSoFar_, onBase->den});
                if (!multiplyBy(onBase->den)) return false;
            }
            // Whole now: a fraction's base was multiplied by its denominator.
            const std::int64_t parts = onBase->num;
            const std::int64_t heads = g.heads(counts_);
            if (parts % heads == 0) continue;
            const HeadFactor found = exactHeadFactor(parts, heads);
            recordHeads(counts_, g, parts, found, trace_);
            if (!multiplyBy(found.factor)) return false;
        }
        return true;
    }

    // The case so far times `factor`: the multiplier, the (increased) base
    // and the base the parts are counted on.
    bool multiplyBy(std::int64_t factor)
    {
        const std::int64_t from = adjustedSoFar_;
        if (!multiply(factor_, factor) || !multiply(adjustedSoFar_, factor) || !multiply(baseSoFar_, factor)) {
            return false;
        }
        recordStep(trace_, decision::BaseMultiplied{from, factor, adjustedSoFar_});
        return true;
    }

    // Every heir's parts and the corrected base share a factor: all are
    // divided by it (الاختصار), so that the case stands in its least figures.
    std::optional<Corrected> reduced() const
    {
        const std::int64_t corrected = adjustedSoFar_;
        std::int64_t common = corrected;
        for (int i = 0; i < d_.size && common > 1; ++i) {
            const ShareGroup& g = d_.groups[i];
            const std::int64_t heads = g.heads(counts_);
            for (int k = 0; k < g.size; ++k) {
                // One head's parts: the group's share × its weight ÷ its heads, of the corrected base.
                const auto perHead = ofBase(g.share * Fraction::of(g.weights[k], heads), baseSoFar_);
                if (!perHead) return std::nullopt;
                common = std::gcd(common, perHead->num);
            }
        }
        if (common > 1) recordStep(trace_, decision::Reduction{corrected, common, corrected / common});
        return Corrected{factor_, std::max<std::int64_t>(common, 1)};
    }

    const KindCounts& counts_;
    const GroupedShares& d_;
    const std::int64_t base_;
    DecisionTrace* const trace_;
    std::int64_t factor_ = 1;
    std::int64_t baseSoFar_;      // the base times the factor so far: what the parts are counted on
    std::int64_t adjustedSoFar_;  // the same after any increase or return: what the table shows
};

}  // namespace

CaseOutcome settle(const KindCounts& counts, const GroupedShares& d, CaseResult& r, DecisionTrace* trace)
{
    r = CaseResult{};
    const std::optional<std::int64_t> formed = baseOf(d, trace);
    if (!formed || *formed > kMaxExactWhole) {
        r.base = kBeyondExact;
        return CaseOutcome::BeyondExactRange;
    }
    const std::int64_t base = *formed;
    const Fraction total = d.total();
    const bool increase = Fraction::whole(1) < total;
    const bool scaled = increase || (total < Fraction::whole(1) && !d.undistributed);
    const Fraction adjusted = scaled ? total * Fraction::whole(base) : Fraction::whole(base);
    const double scale = scaled ? 1.0 / toDouble(total) : 1.0;
    r.shareScale = r.spouseScale = r.baseDivisor = scale;
    r.returnFactor = 1.0;
    r.base = base;
    r.undistributedRemainder = total < Fraction::whole(1) && d.undistributed;
    if (increase) recordStep(trace, decision::Increase{total});

    // The increased or reduced base is whole: the base is a multiple of every sharer's denominator.
    const std::optional<Corrected> c = Corrector(counts, d, base, adjusted.num, trace).run();
    std::int64_t finalBase = adjusted.num;
    if (!c || !multiply(finalBase, c->factor) || (finalBase /= c->reducedBy) > kMaxExactWhole) {
        r.correction = c ? static_cast<double>(c->factor) / static_cast<double>(c->reducedBy) : 0.0;
        return CaseOutcome::BeyondExactRange;
    }
    r.correction = static_cast<double>(c->factor) / static_cast<double>(c->reducedBy);
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
            // Whole: the correction makes every head's parts whole, and the reduction divides them all.
            r.parts[indexOf(kind)] =
                static_cast<std::int64_t>(Wide{portion.num} * base * c->factor / (Wide{portion.den} * c->reducedBy));
        }
    }
    return CaseOutcome::Computed;
}

}  // namespace qismaru
