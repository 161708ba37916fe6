#pragma once

#include <string>
#include <vector>

#include "engine/combined_base.h"

namespace qismaru::estate {

// Why successive deaths cannot be joined, in English for the calculator and
// its readers of case files, naming the death: "death 2: ...". `deaths` are
// the cases the joining was given.
std::string englishRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths);

}  // namespace qismaru::estate
