#pragma once

#include <string>
#include <vector>

#include "engine/combined_base.h"

namespace qismaru::estate {

// Why successive deaths cannot be joined, in English for the calculator and
// its readers of case files, naming the death: "death 2: ...". `deaths` are
// the cases the joining was given.
std::string englishRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths);

// The same in Arabic, for the window: "لا تجتمع المسائل: الابن في المسألة
// الأولى رجل، فلا يكون له زوج."; the reason alone, where an entry is
// refused before there is anything to join.
std::string arabicRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths);
std::string arabicRefusalReason(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths);

// A case holds at most kMaxLaterDeaths later deaths: the refusal of the one
// beyond them, as the joining words it, for the readers that refuse it
// before anything is computed; and in Arabic, a clause as the window and a
// case file say it.
std::string englishTooManyDeathsText();
std::string arabicTooManyDeathsText();

}  // namespace qismaru::estate
