#pragma once

#include <optional>
#include <string_view>

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
// The parts of every kind, the adjusted and the corrected base, exactly.
// Returns false when the corrected base passes 2^53, beyond which no part
// can be shown to the last unit.
bool computeParts(CaseWork& work);

// The fixed shares added in their fixed order: mother, uterine siblings,
// grandmothers, husband, wives, father, grandfather, daughters, son's
// daughters, full sisters, consanguine sisters. The order decides the last
// bit of the sum, and the sixth rule and the return depend on that bit.
double sumFixedShares(const CaseResult& result);
Fraction sumExactFixedShares(const CaseResult& result);

// What must hold of the shares after every step (absent and excluded kinds
// hold nothing, fractions agree with their numerators and denominators, ...).
std::optional<std::string_view> findStepViolation(const KindCounts& counts, const CaseResult& result);

// The shares fall short, nobody takes the remainder, and a spouse is present:
// the return goes to the other heirs only. Valid once the scale factors are set.
bool isReturnWithSpouse(const CaseWork& work);

}  // namespace qismaru
