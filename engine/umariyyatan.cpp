#include "engine/umariyyatan.h"

#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;

bool motherAndFatherAlone(const KindCounts& counts, const CountSums& sums)
{
    return sums.descendants == 0 && sums.siblingsTotal < 2 && counts.has(Mother) && counts.has(Father);
}

// Both the mother and the father become residuaries of what the spouse leaves:
// the mother a third, the father two thirds.
void divideRemainderAfterSpouse(CaseWork& work, ShareLabel motherLabel)
{
    const double r = work.remainder;
    const Fraction exact = work.exactRemainder;
    setResiduary(work.share(Mother), r * (1.0 / 3.0), exact * Fraction::of(1, 3), motherLabel);
    setResiduary(work.share(Father), r * (2.0 / 3.0), exact * Fraction::of(2, 3), ShareLabel::Remainder);
    // The mother's third of the remainder is a fixed share in the books, the
    // father's two thirds his remainder; this replaces his whole remainder.
    work.record([&work, exact] {
        return decision::Fixed{Mother, work.share(Mother).exact, decision::FixedReason::ThirdOfRemainder, exact};
    });
    work.record([exact] {
        return decision::Residue{Father, decision::ResidueWay::TwoThirdsOfRemainder, {}, {}, exact};
    });
}

}  // namespace

bool umariyyatanHusbandForm(const KindCounts& counts, const CountSums& sums)
{
    return motherAndFatherAlone(counts, sums) && counts.has(Husband);
}

bool umariyyatanWifeForm(const KindCounts& counts, const CountSums& sums)
{
    return motherAndFatherAlone(counts, sums) && counts.has(Wives);
}

void assignUmariyyatanShares(CaseWork& work)
{
    if (umariyyatanHusbandForm(work.counts, work.sums)) {
        divideRemainderAfterSpouse(work, ShareLabel::ThirdOfRemainderHusbandForm);
    }
    if (umariyyatanWifeForm(work.counts, work.sums)) {
        divideRemainderAfterSpouse(work, ShareLabel::ThirdOfRemainderWifeForm);
    }
}

}  // namespace qismaru
