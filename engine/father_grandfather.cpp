#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;
using decision::FixedReason;

// The grandfather stands in the father's place only when the father is absent.
HeirKind standingAscendant(const CaseWork& work) { return work.has(Father) ? Father : Grandfather; }

}  // namespace

void applySixthRule(CaseWork& work)
{
    work.remainderBeforeSixth = 1.0 - sumFixedShares(work.result);
    work.exactRemainderBeforeSixth = Fraction::whole(1) - sumExactFixedShares(work.result);
    // Compared exactly on doubles: for mother, father and two daughters the
    // remainder is 0.16666666666666674, just above 1/6, and the father then
    // takes it as the sixth and the remainder rather than as a fixed sixth.
    if (work.remainderBeforeSixth > kSixth) return;
    const HeirKind ascendant = standingAscendant(work);
    if (!work.has(ascendant)) return;
    // Beside a son the sixth is already his, for that reason.
    const bool alreadyHeld = work.share(ascendant).isFraction();
    setFraction(work.share(ascendant), 1, 6);
    if (!alreadyHeld) {
        work.record([&work, ascendant] {
            return decision::Fixed{ascendant, Fraction::of(1, 6), FixedReason::RemainderAtMostSixth,
                                   work.exactRemainderBeforeSixth};
        });
    }
}

void assignFatherResidue(CaseWork& work)
{
    const HeirKind ascendant = standingAscendant(work);
    if (!work.has(ascendant) || work.remainderBeforeSixth <= kSixth) return;

    // The whole remainder, the sixth included; no separate sixth is recorded
    // in the share, but the solution names both.
    const Fraction remainder = work.exactRemainderBeforeSixth;
    if (work.sums.descendants == 0) {
        setResiduary(work.share(ascendant), work.remainderBeforeSixth, remainder, ShareLabel::Remainder);
        work.record([ascendant, remainder] {
            return decision::Residue{ascendant, decision::ResidueWay::BySelf, {}, {}, remainder};
        });
    } else if (work.sums.maleDescendants == 0) {
        const ShareLabel label =
            ascendant == Father ? ShareLabel::FatherSixthAndRemainder : ShareLabel::GrandfatherSixthAndRemainder;
        setResiduary(work.share(ascendant), work.remainderBeforeSixth, remainder, label);
        work.record([ascendant, remainder] {
            return decision::Fixed{ascendant, Fraction::of(1, 6), FixedReason::BesideFemaleDescendant, remainder};
        });
        work.record([ascendant, remainder] {
            return decision::Residue{
                ascendant, decision::ResidueWay::AfterSixth, {}, {}, remainder - Fraction::of(1, 6)};
        });
    }
}

}  // namespace qismaru
