#include "engine/school_rules.h"

#include <algorithm>
#include <numeric>

#include "engine/case_work.h"
#include "engine/count_sums.h"
#include "engine/exclusion.h"
#include "engine/kind_groups.h"
#include "engine/named_cases.h"
#include "engine/whole_numbers.h"

namespace qismaru {

namespace {

using enum HeirKind;

bool isSibling(HeirKind kind)
{
    return kind == FullBrothers || kind == FullSisters || kind == ConsanguineBrothers || kind == ConsanguineSisters;
}

// Heirs who share one portion of the estate among their heads: a sharer
// alone, brothers with their sisters (the male twice the female), or a pool
// of both as in the Akdariyya and the Mushtaraka.
struct ShareGroup {
    std::array<HeirKind, 3> kinds{};
    std::array<int, 3> weights{};  // heads per person: 2 for a male beside females, 1 otherwise
    int size = 0;
    Fraction share;                       // of the estate, before any increase
    ShareLabel label = ShareLabel::None;  // None: a fixed fraction, shown as such

    std::int64_t heads(const KindCounts& counts) const
    {
        std::int64_t n = 0;
        for (int i = 0; i < size; ++i) n += std::int64_t{counts.of(kinds[i])} * weights[i];
        return n;
    }
};

// The school's division of a case: its groups, and whether what they leave
// goes to no heir.
struct Division {
    std::array<ShareGroup, kHeirKindCount> groups{};
    int size = 0;
    bool undistributed = false;

    void fixed(HeirKind kind, Fraction share) { groups[size++] = ShareGroup{{kind}, {1}, 1, share, ShareLabel::None}; }
    // Brothers with their sisters, or either alone, sharing `share` 2:1.
    void siblings(const KindCounts& counts, HeirKind male, HeirKind female, Fraction share, ShareLabel label)
    {
        if (share.isZero()) return;
        ShareGroup g{{}, {}, 0, share, label};
        const bool both = counts.has(male) && counts.has(female);
        if (counts.has(male)) g.kinds[g.size] = male, g.weights[g.size++] = both ? 2 : 1;
        if (counts.has(female)) g.kinds[g.size] = female, g.weights[g.size++] = 1;
        if (both && label == ShareLabel::Remainder) g.label = ShareLabel::SharesRemainder;
        if (g.size > 0) groups[size++] = g;
    }
    void add(const ShareGroup& g) { groups[size++] = g; }
    Fraction total() const
    {
        Fraction t;
        for (int i = 0; i < size; ++i) t = t + groups[i].share;
        return t;
    }
};

double toDouble(Fraction f) { return static_cast<double>(f.num) / static_cast<double>(f.den); }

Fraction smaller(Fraction a, Fraction b) { return b < a ? b : a; }

void record(StepTrace* trace, const Step& step)
{
    if (trace) trace->add(step);
}

// The sharers of the Hanafi answer that keep their fixed shares under every
// school: the spouse, the mother, the grandmothers, the daughters and the
// son's daughters (the grandfather and the sisters are decided anew).
void keepFixedSharers(const CaseResult& hanafi, Division& d)
{
    for (const HeirKind kind : {Husband, Wives, Mother, Grandmothers, Daughters, SonsDaughters, UterineSiblings}) {
        if (hanafi[kind].isFraction()) d.fixed(kind, hanafi[kind].exact);
    }
}

bool grandfatherWithSiblings(const KindCounts& counts, const CountSums& sums, School school)
{
    const bool siblings = counts.has(FullBrothers) || counts.has(FullSisters) || counts.has(ConsanguineBrothers) ||
                          counts.has(ConsanguineSisters);
    return grandfatherSharesWithSiblings(school) && counts.has(Grandfather) && !counts.has(Father) &&
           sums.maleDescendants == 0 && siblings;
}

// Husband, mother, grandfather and one full or consanguine sister.
bool akdariyya(const KindCounts& counts, const CountSums& sums)
{
    return counts.has(Husband) && counts.has(Mother) && sums.femaleDescendants == 0 && !counts.has(FullBrothers) &&
           !counts.has(ConsanguineBrothers) && counts.of(FullSisters) + counts.of(ConsanguineSisters) == 1;
}

// Al-Malikiyya and its like, as Malik answered them against Zayd: husband,
// mother or grandmother, grandfather, two or more uterine siblings and
// brothers. Had the grandfather not been there, the uterine siblings would
// have taken the third and the brothers nothing; he excludes the uterine
// siblings, so the third is his.
bool malikiyya(const KindCounts& counts, const CountSums& sums, School school)
{
    return school == School::Maliki && sums.descendants == 0 && counts.has(Husband) &&
           (counts.has(Mother) || counts.has(Grandmothers)) && counts.of(UterineSiblings) >= 2 &&
           (counts.has(FullBrothers) || counts.has(ConsanguineBrothers));
}

// The grandfather beside the siblings: the best of his options.
step::GrandfatherOptions grandfatherOptions(const KindCounts& counts, Fraction remainder, bool sharers)
{
    step::GrandfatherOptions o{};
    o.remainder = remainder;
    o.heads = 2 + 2 * std::int64_t{counts.of(FullBrothers)} + counts.of(FullSisters) +
              2 * std::int64_t{counts.of(ConsanguineBrothers)} + counts.of(ConsanguineSisters);
    o.division = remainder * Fraction::of(2, o.heads);
    o.third = remainder * Fraction::of(1, 3);
    o.sixth = sharers ? Fraction::of(1, 6) : Fraction{};
    Fraction taken = o.division;
    o.took = step::GrandfatherTook::Division;
    if (sharers && !(Fraction::of(1, 6) < remainder)) {
        // A sixth or less is left: the sixth is his, and the siblings take nothing.
        o.took = step::GrandfatherTook::SixthOfWhole;
        taken = o.sixth;
    } else {
        if (taken < o.third) {
            taken = o.third;
            o.took = sharers ? step::GrandfatherTook::ThirdOfRemainder : step::GrandfatherTook::ThirdOfWhole;
        }
        if (sharers && taken < o.sixth) {
            taken = o.sixth;
            o.took = step::GrandfatherTook::SixthOfWhole;
        }
    }
    o.siblings = o.took == step::GrandfatherTook::SixthOfWhole && !(taken < remainder) ? Fraction{} : remainder - taken;
    return o;
}

Fraction grandfatherPart(const step::GrandfatherOptions& o)
{
    switch (o.took) {
    case step::GrandfatherTook::Division: return o.division;
    case step::GrandfatherTook::ThirdOfWhole:
    case step::GrandfatherTook::ThirdOfRemainder: return o.third;
    case step::GrandfatherTook::SixthOfWhole: return o.sixth;
    case step::GrandfatherTook::WholeRemainder: return o.remainder;
    }
    return {};
}

void addGrandfather(const step::GrandfatherOptions& o, Division& d)
{
    const Fraction part = grandfatherPart(o);
    switch (o.took) {
    case step::GrandfatherTook::Division: d.add({{Grandfather}, {1}, 1, part, ShareLabel::Division}); return;
    case step::GrandfatherTook::ThirdOfRemainder:
        d.add({{Grandfather}, {1}, 1, part, ShareLabel::GrandfatherThird});
        return;
    case step::GrandfatherTook::WholeRemainder: d.add({{Grandfather}, {1}, 1, part, ShareLabel::Remainder}); return;
    case step::GrandfatherTook::ThirdOfWhole:
    case step::GrandfatherTook::SixthOfWhole: d.fixed(Grandfather, part); return;
    }
}

// What the siblings take after the grandfather. When full and consanguine
// siblings meet, the consanguine ones were counted against him; now the
// full siblings take back what they would have had: a full brother all of
// it, full sisters up to their own share (a half, two thirds for two or
// more), the rest to the consanguine siblings, the male twice the female.
void addSiblings(const KindCounts& counts, const step::GrandfatherOptions& o, Division& d, StepTrace* trace)
{
    const Fraction all = o.siblings;
    const ShareLabel label = o.took == step::GrandfatherTook::Division ? ShareLabel::Division : ShareLabel::Remainder;
    const bool full = counts.has(FullBrothers) || counts.has(FullSisters);
    const bool consanguine = counts.has(ConsanguineBrothers) || counts.has(ConsanguineSisters);
    if (!full || !consanguine) {
        d.siblings(counts, FullBrothers, FullSisters, all, label);
        d.siblings(counts, ConsanguineBrothers, ConsanguineSisters, all, label);
        return;
    }
    const std::int64_t consanguineHeads =
        2 * std::int64_t{counts.of(ConsanguineBrothers)} + counts.of(ConsanguineSisters);
    step::Counted counted{
        KindSet::ifEntered(ConsanguineBrothers, counts) | KindSet::ifEntered(ConsanguineSisters, counts),
        all * Fraction::of(consanguineHeads, o.heads - 2),
        {},
        counts.has(FullBrothers)};
    if (counts.has(FullBrothers)) {
        d.siblings(counts, FullBrothers, FullSisters, all, ShareLabel::Remainder);
    } else {
        const Fraction ownShare = counts.of(FullSisters) == 1 ? Fraction::of(1, 2) : Fraction::of(2, 3);
        const Fraction sisters = smaller(all, ownShare);
        if (sisters == ownShare) {
            d.fixed(FullSisters, ownShare);
        } else {
            d.siblings(counts, FullBrothers, FullSisters, sisters, ShareLabel::Remainder);
        }
        counted.kept = all - sisters;
        d.siblings(counts, ConsanguineBrothers, ConsanguineSisters, counted.kept, ShareLabel::Remainder);
    }
    if (!all.isZero()) record(trace, counted);
}

void divideWithGrandfather(const KindCounts& counts, const CountSums& sums, School school, const CaseResult& hanafi,
                           Division& d, MessageList& messages, StepTrace* trace)
{
    keepFixedSharers(hanafi, d);
    const Fraction sharers = d.total();
    const Fraction remainder = Fraction::whole(1) - sharers;
    if (akdariyya(counts, sums)) {
        // The sister's half beside the grandfather's sixth raises the case
        // from 6 to 9; then their 4 parts are divided between them 2:1.
        const HeirKind sister = counts.has(FullSisters) ? FullSisters : ConsanguineSisters;
        const Fraction pooled = Fraction::of(1, 6) + Fraction::of(1, 2);
        d.add({{Grandfather, sister}, {2, 1}, 2, pooled, ShareLabel::Division});
        record(trace, step::Akdariyya{sister, pooled});
        messages.add(CaseMessage::Akdariyya);
        return;
    }
    step::GrandfatherOptions o = grandfatherOptions(counts, remainder, !sharers.isZero());
    if (malikiyya(counts, sums, school)) {
        o.took = step::GrandfatherTook::WholeRemainder;
        o.siblings = {};
    }
    record(trace, o);
    addGrandfather(o, d);
    addSiblings(counts, o, d, trace);
}

// The Mushtaraka as the Maliki and Shafi'i schools divide it: the full
// siblings are counted as uterine ones, every head alike.
void shareUterineThird(const KindCounts& counts, const CaseResult& hanafi, Division& d, StepTrace* trace)
{
    for (const HeirKind kind : {Husband, Mother, Grandmothers}) {
        if (hanafi[kind].isFraction()) d.fixed(kind, hanafi[kind].exact);
    }
    ShareGroup pool{{UterineSiblings, FullBrothers}, {1, 1}, 2, Fraction::of(1, 3), ShareLabel::SharesUterineThird};
    if (counts.has(FullSisters)) pool.kinds[pool.size] = FullSisters, pool.weights[pool.size++] = 1;
    d.add(pool);
    record(trace, step::SharedThird{pool.heads(counts)});
}

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
            record(trace, step::GroupHeads{g.kinds[0], parts, heads, found});
        } else {
            record(trace, step::PairHeads{g.kinds[0], g.kinds[1], parts, heads, found});
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
            record(trace, step::CombinedFactors{correction, factor, CommonMultiple{next, r, shared}});
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

// Writes the division into the result: each kind's share, the base (the
// least common multiple of the groups' denominators), the increase, or the
// reduction of a lone spouse's return, the correction and the parts.
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
    if (const std::uint32_t bits = fixedDenominators(d)) record(trace, step::BaseOfDenominators{bits, base, false});
    if (increase) record(trace, step::Increase{total});

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

// The decisions of the Hanafi answer that a school's rule replaces: those
// about the whole case, and those about the kinds the rule decides anew.
void dropReplacedDecisions(StepTrace& trace, SchoolRule rule)
{
    trace.dropIf([rule](const Step& s) {
        const auto about = [&](HeirKind kind) {
            if (rule == SchoolRule::GrandfatherWithSiblings) return kind == Grandfather || isSibling(kind);
            if (rule == SchoolRule::SharedThird) return kind == FullBrothers || kind == FullSisters;
            return false;
        };
        if (std::holds_alternative<step::Excluded>(s)) return rule == SchoolRule::GrandfatherWithSiblings;
        if (const auto* f = std::get_if<step::Fixed>(&s)) return about(f->kind);
        if (const auto* r = std::get_if<step::Residue>(&s)) return about(r->kind);
        if (const auto* n = std::get_if<step::NothingLeft>(&s)) return about(n->kind);
        // The base, the increase or return and the correction are formed anew.
        return true;
    });
}

// The exclusions under the school, where the grandfather no longer keeps
// the brothers and sisters out.
void recordExclusions(const KindCounts& counts, School school, StepTrace& trace)
{
    const CountSums sums = sumCounts(counts);
    KindSet::enteredIn(counts).forEach([&](HeirKind kind) {
        const KindSet by = inheritingExcludersOf(kind, counts, sums, school);
        if (!by.empty()) trace.add(step::Excluded{kind, by});
    });
}

}  // namespace

SchoolRule schoolRuleFor(const KindCounts& counts, const Positions& positions, const CaseResult& hanafi)
{
    const CountSums sums = sumCounts(counts);
    if (grandfatherWithSiblings(counts, sums, positions.school)) return SchoolRule::GrandfatherWithSiblings;
    if (fullSiblingsShareUterineThird(positions.school) && isMushtaraka(counts)) return SchoolRule::SharedThird;
    // A return, in the Hanafi answer, is what scales the shares up.
    const bool returned = hanafi.shareScale > 1.0;
    if (positions.noReturn && returned) return SchoolRule::NoReturn;
    if (positions.spouseReturn && !positions.noReturn && spouseAlone(counts)) return SchoolRule::SpouseTakesWhole;
    return SchoolRule::None;
}

void applySchoolRules(const KindCounts& counts, const Positions& positions, CaseComputation& computation,
                      StepTrace* trace)
{
    const CaseResult& hanafi = computation.result;
    const SchoolRule rule = schoolRuleFor(counts, positions, hanafi);
    if (rule == SchoolRule::None) return;
    if (trace) {
        dropReplacedDecisions(*trace, rule);
        if (rule == SchoolRule::GrandfatherWithSiblings) recordExclusions(counts, positions.school, *trace);
    }
    Division d;
    switch (rule) {
    case SchoolRule::GrandfatherWithSiblings:
        divideWithGrandfather(counts, sumCounts(counts), positions.school, hanafi, d, computation.messages, trace);
        break;
    case SchoolRule::SharedThird: shareUterineThird(counts, hanafi, d, trace); break;
    case SchoolRule::SpouseTakesWhole: {
        const HeirKind spouse = counts.has(Husband) ? Husband : Wives;
        d.fixed(spouse, hanafi[spouse].exact);
        record(trace, step::SpouseTakesWhole{spouse, hanafi[spouse].exact});
        break;
    }
    case SchoolRule::NoReturn:
        for (const HeirKindInfo& info : heirKinds()) {
            if (hanafi[info.kind].isFraction()) d.fixed(info.kind, hanafi[info.kind].exact);
        }
        d.undistributed = true;
        record(trace, step::NoReturn{d.total()});
        break;
    case SchoolRule::None: return;
    }
    computation.outcome = settle(counts, d, computation.result, trace);
}

}  // namespace qismaru
