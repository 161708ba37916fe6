#pragma once

#include <string>

#include "model/case_entry.h"

namespace qismaru {

// Why an entry or Calculate was refused, in the words the user reads in the
// desktop window and on the web page alike.

// A press of the husband's button beside wives, or the wives' beside a husband.
inline constexpr const char* kSpouseConflictText = "لايجتمع الزوجان في مسألة واحدة";
// The count dialog asked for more than four wives.
inline constexpr const char* kTooManyWivesText = "لا يزيد عدد الزوجات على أربع";

// Why a heir button refuses its kind (the husband beside wives, the father
// beside more grandmothers than inherit with him); empty for a press that
// needs no word. `before`: the heirs entered before the press. Said alike
// wherever heirs are entered: the main window, a later death's dialog, the
// web page.
std::string pressRefusalText(PressOutcome outcome, const KindCounts& before, HeirKind kind, School school);

// Why the count dialog keeps a count instead of recording it; empty for an
// outcome that needs no word (a count recorded, or a count of 0).
std::string countRefusalText(const CountResult& result, const KindCounts& before, int count, School school);

// The count dialog's up arrow at the largest count a kind can have.
std::string countLimitText();

// Calculate, for a case whose corrected base passes what a double holds to
// the last part. The case stays open, so that the user can withdraw the
// last entry.
inline constexpr const char* kBeyondExactRangeText =
    "لا يمكن حساب هذه المسألة بدقة: أصلها بعد التصحيح أكبر من أن يُحسب حساباً تاماً. ألغِ آخر اختيار أو ابدأ مسألة "
    "جديدة.";

}  // namespace qismaru
