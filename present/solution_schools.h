#pragma once

#include <string>

#include "present/solution_context.h"

namespace qismaru {

// The sentences of the rules where the schools differ from the Hanafi
// answer: each says what the school of the case holds, and what the Hanafi
// school holds instead.
std::string grandfatherSentence(const step::GrandfatherOptions& options, const SolutionContext& context);
std::string countedSentence(const step::Counted& counted, const SolutionContext& context);
std::string akdariyyaSentence(const step::Akdariyya& akdariyya, const SolutionContext& context);
std::string sharedThirdSentence(const step::SharedThird& shared, const SolutionContext& context);
std::string noReturnSentence(const step::NoReturn& noReturn, const SolutionContext& context);
std::string spouseTakesWholeSentence(const step::SpouseTakesWhole& whole, const SolutionContext& context);

}  // namespace qismaru
