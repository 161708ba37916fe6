#pragma once

#include <string>

#include "present/solution_context.h"

namespace qismaru {

// The sentences about the whole case: the base, the increase or return, the
// correction, and each kind's parts of the corrected base.
std::string baseSentence(const SolutionContext& context);
std::string increaseSentence(const step::Increase& increase, const SolutionContext& context);
std::string returnSentence(const step::Return& ret, const SolutionContext& context);
std::string correctionSentence(const SolutionContext& context);
std::string divisionSentence(HeirKind kind, const SolutionContext& context);

}  // namespace qismaru
