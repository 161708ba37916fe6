#pragma once

#include <QString>

#include "model/case_entry.h"

namespace qismaru::ui {

// What the entry rules refuse, said alike wherever heirs are entered: the
// main window, its count dialog, and the dialog of a later death.
inline const char* const kSpouseConflictText = "لايجتمع الزوجان في مسألة واحدة";
inline const char* const kTooManyWivesText = "لا يزيد عدد الزوجات على أربع";

// Why a heir's button entered nothing, or "" (also for a press that is
// silently ignored): `counts` are the heirs entered before the press.
QString pressRefusalText(PressOutcome outcome, const KindCounts& counts, HeirKind kind, School school);

// Why a count was not recorded, or "" (a count of 0 is silently ignored).
QString countRefusalText(const CountResult& result, const KindCounts& counts, int count, School school);

}  // namespace qismaru::ui
