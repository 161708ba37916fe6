#pragma once

#include <string>

#include "model/case_entry.h"

namespace qismaru {

// Why an entry or Calculate was refused, in the words the user reads in the
// desktop window and on the web page alike.

// A press of the husband's button beside wives, or the wives' beside a husband.
inline constexpr const char* kSpouseConflictText = "لايجتمع الزوجان في مسألة واحدة";

// Why a heir button refuses its kind (the husband beside wives, the father
// beside more grandmothers than inherit with him); empty for a press that
// needs no word. `asked`: the case's heirs with the pressed kind added.
std::string pressRefusalText(PressOutcome outcome, School school, const KindCounts& asked);

// Why the count dialog keeps a count instead of recording it; empty for an
// outcome that needs no word (a count recorded, or a count of 0). `asked`:
// the case's heirs with the count the dialog asks to record.
std::string countRefusalText(CountOutcome outcome, School school, const KindCounts& asked);

// The count dialog's up arrow at the largest count a kind can have.
std::string countLimitText();

// Calculate, for a case whose corrected base passes what a double holds to
// the last part. The case stays open, so that the user can withdraw the
// last entry.
inline constexpr const char* kBeyondExactRangeText =
    "لا يمكن حساب هذه المسألة بدقة: أصلها بعد التصحيح أكبر من أن يُحسب حساباً تاماً. ألغِ آخر اختيار أو ابدأ مسألة "
    "جديدة.";

}  // namespace qismaru
