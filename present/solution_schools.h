#pragma once

#include <string>

#include "present/solution_context.h"

namespace qismaru {

// The sentences of the rules where the schools differ from the Hanafi
// answer: each says what the school of the case holds, and what the Hanafi
// school holds instead.
std::string grandfatherSentence(const decision::GrandfatherOptions& options, const SolutionContext& context);
std::string countedSentence(const decision::Counted& counted, const SolutionContext& context);
std::string akdariyyaSentence(const decision::Akdariyya& akdariyya, const SolutionContext& context);
std::string sharedThirdSentence(const decision::SharedThird& shared, const SolutionContext& context);
std::string noReturnSentence(const decision::NoReturn& noReturn, const SolutionContext& context);
std::string spouseTakesWholeSentence(const decision::SpouseTakesWhole& whole, const SolutionContext& context);

}  // namespace qismaru
