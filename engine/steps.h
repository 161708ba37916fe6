#pragma once

#include "engine/case_work.h"

namespace qismaru {

// The steps of computeCase, in the order it runs them.

// Returns false on a validation stop (husband with wives, more than four wives).
bool assignFixedShares(CaseWork& work);
void applySixthRule(CaseWork& work);
void formFixedTotalAndRemainder(CaseWork& work);
void setScaleFactors(CaseWork& work);
void assignResiduaries(CaseWork& work);
void assignFatherResidue(CaseWork& work);
void assignUmariyyatanShares(CaseWork& work);
void computeBase(CaseWork& work);
void computeCorrection(CaseWork& work);

// The fixed shares added in their fixed order: mother, uterine siblings,
// grandmothers, husband, wives, father, grandfather, daughters, son's
// daughters, full sisters, consanguine sisters. The order decides the last
// bit of the sum, and the sixth rule and the return depend on that bit.
double sumFixedShares(const CaseResult& result);

// The two forms of the 'Umariyyatan, as the share steps test them.
bool umariyyatanHusbandForm(const CaseWork& work);
bool umariyyatanWifeForm(const CaseWork& work);

// The shares fall short, nobody takes the remainder, and a spouse is present:
// the return goes to the other heirs only. Valid once the scale factors are set.
bool isReturnWithSpouse(const CaseWork& work);

}  // namespace qismaru
