#pragma once

#include <string>
#include <string_view>

#include "estate/amount.h"

namespace qismaru::estate {

// The four amounts a user gives for an estate.
enum class EstateField { Gross, Funeral, Debts, Bequest };

std::string_view arabicName(EstateField field);  // "التركة", "مؤن التجهيز", "الديون", "الوصية"
std::string_view englishName(EstateField field);  // "gross estate", "funeral costs", "debts", "bequest"

// Why an amount was refused, in a sentence: Arabic for the window, English
// for the calculator's one error line.
std::string arabicProblemText(AmountProblem problem, EstateField field, int decimals);
std::string englishProblemText(AmountProblem problem, EstateField field, int decimals);

}  // namespace qismaru::estate
