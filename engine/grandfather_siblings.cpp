#include "engine/grandfather_siblings.h"

#include "engine/kind_groups.h"

namespace qismaru {

namespace {

using enum HeirKind;

Fraction smaller(Fraction a, Fraction b) { return b < a ? b : a; }

// The sharers of the Hanafi answer that keep their fixed shares under every
// school: the spouse, the mother, the grandmothers, the daughters and the
// son's daughters (the grandfather and the sisters are decided anew).
void keepFixedSharers(const CaseResult& hanafi, GroupedShares& d)
{
    for (const HeirKind kind : {Husband, Wives, Mother, Grandmothers, Daughters, SonsDaughters}) {
        if (hanafi[kind].isFraction()) d.fixed(kind, hanafi[kind].exact);
    }
}

// Husband, mother with her third, grandfather and one full or consanguine
// sister. Then the husband's half and the mother's third leave the
// grandfather no more than his sixth, and the sister would go without. A
// uterine sibling, though the grandfather keeps him out, still brings the
// mother down to a sixth: a third is then left, and the grandfather simply
// divides it with the sister.
bool akdariyya(const KindCounts& counts, const CountSums& sums, const CaseResult& hanafi)
{
    return counts.has(Husband) && hanafi[Mother].exact == Fraction::of(1, 3) && sums.femaleDescendants == 0 &&
           !counts.has(FullBrothers) && !counts.has(ConsanguineBrothers) &&
           counts.of(FullSisters) + counts.of(ConsanguineSisters) == 1;
}

// Al-Malikiyya (with consanguine brothers) and its likeness (with full
// brothers), as Malik answered them against Zayd: husband, mother or
// grandmother, grandfather, two or more uterine siblings and brothers. Had
// the grandfather not been there, the uterine siblings would have taken the
// third and the brothers, residuaries, nothing (in the likeness the full
// brothers share the third only through their mother, whose children the
// grandfather keeps out); he excludes the uterine siblings, so the third is
// his. The argument holds only against residuaries: a full sister without a
// full brother would have had her fixed half, so with her the case goes by
// Zayd's rule, as in the other schools.
bool malikiyya(const KindCounts& counts, const CountSums& sums, School school)
{
    const bool fullSisterSharer = counts.has(FullSisters) && !counts.has(FullBrothers);
    return school == School::Maliki && sums.descendants == 0 && counts.has(Husband) &&
           (counts.has(Mother) || counts.has(Grandmothers)) && counts.of(UterineSiblings) >= 2 &&
           (counts.has(FullBrothers) || counts.has(ConsanguineBrothers)) && !fullSisterSharer;
}

// The grandfather beside the siblings: the best of his options.
decision::GrandfatherOptions grandfatherOptions(const KindCounts& counts, Fraction remainder, bool sharers)
{
    decision::GrandfatherOptions o{};
    o.remainder = remainder;
    o.heads = 2 + 2 * std::int64_t{counts.of(FullBrothers)} + counts.of(FullSisters) +
              2 * std::int64_t{counts.of(ConsanguineBrothers)} + counts.of(ConsanguineSisters);
    o.division = remainder * Fraction::of(2, o.heads);
    o.third = remainder * Fraction::of(1, 3);
    o.sixth = sharers ? Fraction::of(1, 6) : Fraction{};
    Fraction taken = o.division;
    o.took = decision::GrandfatherTook::WithSiblings;
    if (sharers && !(Fraction::of(1, 6) < remainder)) {
        // A sixth or less is left: the sixth is his, and the siblings take nothing.
        o.took = decision::GrandfatherTook::SixthOfWhole;
        taken = o.sixth;
    } else {
        if (taken < o.third) {
            taken = o.third;
            o.took = sharers ? decision::GrandfatherTook::ThirdOfRemainder : decision::GrandfatherTook::ThirdOfWhole;
        }
        if (sharers && taken < o.sixth) {
            taken = o.sixth;
            o.took = decision::GrandfatherTook::SixthOfWhole;
        }
    }
    o.siblings =
        o.took == decision::GrandfatherTook::SixthOfWhole && !(taken < remainder) ? Fraction{} : remainder - taken;
    return o;
}

// Dividing, the grandfather is one of the heads the remainder is divided
// among, even where the third or the sixth would give him as much: so the
// books divide al-Mukhtasara (6, then 36 and 108, reduced to 54) and a
// grandfather with a full sister and three consanguine sisters (6, then 18).
bool dividesAsPool(const decision::GrandfatherOptions& o) { return o.took == decision::GrandfatherTook::WithSiblings; }

void addGrandfather(const decision::GrandfatherOptions& o, GroupedShares& d)
{
    const Fraction part = o.taken();
    switch (o.took) {
    case decision::GrandfatherTook::WithSiblings:
        d.add({{Grandfather}, {1}, 1, part, ShareLabel::WithSiblings, GroupRole::Pooled});
        return;
    case decision::GrandfatherTook::ThirdOfRemainder:
        // A third of what the sharers leave brings its own denominator into the base.
        d.thirdOfRemainder = d.size;
        d.add({{Grandfather}, {1}, 1, part, ShareLabel::GrandfatherThird, GroupRole::Sharer});
        return;
    case decision::GrandfatherTook::WholeRemainder:
        d.add({{Grandfather}, {1}, 1, part, ShareLabel::Remainder, GroupRole::Remainder});
        return;
    case decision::GrandfatherTook::ThirdOfWhole:
    case decision::GrandfatherTook::SixthOfWhole: d.fixed(Grandfather, part); return;
    }
}

// The heads the grandfather divides with, as the books count them: each
// male two and each female one when there are females among them, else one
// head each.
GrandfatherPool poolOf(const KindCounts& counts, const decision::GrandfatherOptions& o)
{
    GrandfatherPool pool{kGrandfatherAndSiblings & KindSet::enteredIn(counts), o.remainder, o.heads};
    if (!malesCountTwice(pool.kinds)) pool.heads /= 2;
    return pool;
}

// What the siblings take after the grandfather. When full and consanguine
// siblings meet, the consanguine ones were counted against him; now the
// full siblings take back what they would have had: a full brother all of
// it, full sisters up to their own share (a half, two thirds for two or
// more), the rest to the consanguine siblings, the male twice the female.
void addSiblings(const KindCounts& counts, const decision::GrandfatherOptions& o, GroupedShares& d,
                 DecisionTrace* trace)
{
    const Fraction all = o.siblings;
    const ShareLabel label =
        o.took == decision::GrandfatherTook::WithSiblings ? ShareLabel::WithSiblings : ShareLabel::Remainder;
    const bool full = counts.has(FullBrothers) || counts.has(FullSisters);
    const bool consanguine = counts.has(ConsanguineBrothers) || counts.has(ConsanguineSisters);
    if (!full || !consanguine) {
        const GroupRole role = dividesAsPool(o) ? GroupRole::Pooled : GroupRole::Remainder;
        d.siblings(counts, FullBrothers, FullSisters, all, label, role);
        d.siblings(counts, ConsanguineBrothers, ConsanguineSisters, all, label, role);
        return;
    }
    constexpr GroupRole takenBack = GroupRole::TakenBack;
    const std::int64_t consanguineHeads =
        2 * std::int64_t{counts.of(ConsanguineBrothers)} + counts.of(ConsanguineSisters);
    decision::Counted counted{
        KindSet::ifEntered(ConsanguineBrothers, counts) | KindSet::ifEntered(ConsanguineSisters, counts),
        all * Fraction::of(consanguineHeads, o.heads - 2),
        {},
        counts.has(FullBrothers)};
    if (counts.has(FullBrothers)) {
        d.siblings(counts, FullBrothers, FullSisters, all, ShareLabel::Remainder, takenBack);
    } else {
        const Fraction ownShare = counts.of(FullSisters) == 1 ? Fraction::of(1, 2) : Fraction::of(2, 3);
        const Fraction sisters = smaller(all, ownShare);
        if (sisters == ownShare) {
            d.fixed(FullSisters, ownShare, takenBack);
        } else {
            d.siblings(counts, FullBrothers, FullSisters, sisters, ShareLabel::Remainder, takenBack);
        }
        counted.kept = all - sisters;
        d.siblings(counts, ConsanguineBrothers, ConsanguineSisters, counted.kept, ShareLabel::Remainder, takenBack);
    }
    if (!all.isZero()) recordStep(trace, counted);
}

}  // namespace

void divideWithGrandfather(const KindCounts& counts, const CountSums& sums, School school, const CaseResult& hanafi,
                           GroupedShares& d, MessageList& messages, DecisionTrace* trace)
{
    keepFixedSharers(hanafi, d);
    const Fraction sharers = d.total();
    const Fraction remainder = Fraction::whole(1) - sharers;
    if (akdariyya(counts, sums, hanafi)) {
        // The sister's half beside the grandfather's sixth raises the case
        // from 6 to 9; then their 4 parts are divided between them 2:1.
        const HeirKind sister = counts.has(FullSisters) ? FullSisters : ConsanguineSisters;
        const Fraction pooled = Fraction::of(1, 6) + Fraction::of(1, 2);
        d.add({{Grandfather, sister},
               {2, 1},
               2,
               pooled,
               ShareLabel::WithSiblings,
               GroupRole::Sharer,
               (std::uint32_t{1} << 6) | (std::uint32_t{1} << 2)});
        recordStep(trace, decision::Akdariyya{sister, pooled});
        messages.add(CaseMessage::Akdariyya);
        return;
    }
    decision::GrandfatherOptions o = grandfatherOptions(counts, remainder, !sharers.isZero());
    if (malikiyya(counts, sums, school)) {
        o.took = decision::GrandfatherTook::WholeRemainder;
        o.siblings = {};
    }
    recordStep(trace, o);
    addGrandfather(o, d);
    if (dividesAsPool(o)) d.pool = poolOf(counts, o);
    addSiblings(counts, o, d, trace);
}

bool grandfatherWithSiblings(const KindCounts& counts, const CountSums& sums, School school)
{
    const bool siblings = !(kFullAndConsanguineSiblings & KindSet::enteredIn(counts)).empty();
    return grandfatherSharesWithSiblings(school) && counts.has(Grandfather) && !counts.has(Father) &&
           sums.maleDescendants == 0 && siblings;
}

}  // namespace qismaru
