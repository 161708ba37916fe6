#include "engine/steps.h"

namespace qismaru {

namespace {

using enum HeirKind;

bool motherAndFatherWithoutDescendants(const CaseWork& work)
{
    return work.sums.descendants == 0 && work.has(Mother) && work.has(Father);
}

// Both the mother and the father become residuaries of what the spouse leaves:
// the mother a third, the father two thirds.
void divideRemainderAfterSpouse(CaseWork& work, ShareLabel motherLabel)
{
    const double r = work.remainder;
    const Fraction exact = work.exactRemainder;
    setResiduary(work.share(Mother), r * (1.0 / 3.0), exact * Fraction::of(1, 3), motherLabel);
    setResiduary(work.share(Father), r * (2.0 / 3.0), exact * Fraction::of(2, 3), ShareLabel::Remainder);
}

}  // namespace

bool umariyyatanHusbandForm(const CaseWork& work)
{
    return motherAndFatherWithoutDescendants(work) && work.has(Husband);
}

bool umariyyatanWifeForm(const CaseWork& work)
{
    // Two or more brothers or sisters (even excluded ones) have already
    // reduced the mother to a sixth, so the question of a third of the
    // remainder never arises: wife 1/4, mother 1/6, father the rest.
    return motherAndFatherWithoutDescendants(work) && work.has(Wives) && work.sums.siblingsTotal < 2;
}

void assignUmariyyatanShares(CaseWork& work)
{
    if (umariyyatanHusbandForm(work)) divideRemainderAfterSpouse(work, ShareLabel::ThirdOfRemainderHusbandForm);
    if (umariyyatanWifeForm(work)) divideRemainderAfterSpouse(work, ShareLabel::ThirdOfRemainderWifeForm);
}

}  // namespace qismaru
