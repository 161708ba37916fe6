#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/waiting_division.h"
#include "present/heir_names.h"

namespace qismaru {

// The names of a case that waits as its table and its solution say them.

// The row of what no heir takes (the treasury, or the distant kindred).
inline constexpr const char* kNoHeirRowName = "بلا وارث من المذكورين";

// What the school holds of those who died together, as their tables open.
constexpr const char* togetherRuleSentence(bool mutual)
{
    return mutual ? "يرث بعضهم من بعض من تلاد المال دون طارفه" : "لا يرث بعضهم من بعض: تركة كل منهم لورثته الأحياء";
}

// One, two or more, masculine or feminine: "مفقود", "مفقودتان", "أحياء".
std::string agreeing(Agreement a, const std::array<std::string_view, 6>& words);

// A claimant as the table lists him: "ابن (مفقود)", "الحمل", "أخ شقيق أو أخت شقيقة (خنثى مشكل)".
std::string claimantName(const Claimant& c, const WaitingCase& wait);

// "male+female" as the books say it: "ذكر وأنثى".
std::string sexesText(std::string_view name);

// The outcome as a teacher says it, then its name as the JSON writes it:
// "الحمل: أنثى (1f)".
std::string outcomeHeading(const WaitingCase& wait, UnclearRule rule, const WaitingOutcome& o);

// The same as the object of "على تقدير": "أن يكون الحمل ذكرين (2m)",
// "حياة المفقود (alive)", "ذكورة الخنثى (male)".
std::string outcomePhrase(const WaitingCase& wait, UnclearRule rule, const WaitingOutcome& o);

// A relation as a form lists it: "ابن"; for the unborn child and the heir of
// unclear sex (`eitherSex`) by both sexes where the woman inherits too
// ("ابن أو بنت"); the uterine sister by her own name.
std::string relationCaption(const WaitingRelation& r, bool eitherSex);

// How many children the reserve is held for, and on what terms.
std::string provisionSentence(const UnbornProvision& p);

}  // namespace qismaru
