#pragma once

#include <string>
#include <string_view>

#include "present/solution_context.h"

namespace qismaru {

// The sentences about single heirs: who is excluded and by whom, who takes
// which fixed share and why, who takes the remainder and how.
std::string excludedSentence(const step::Excluded& excluded, const SolutionContext& context);
std::string fixedSentence(const step::Fixed& fixed, const SolutionContext& context);
std::string residueSentence(const step::Residue& residue, const SolutionContext& context);
std::string nothingLeftSentence(const step::NothingLeft& nothing, const SolutionContext& context);

// Where a fixed share comes from: "4:11", "4:12" or "4:176" for a verse of
// al-Nisa', "sunnah", "ijma" (consensus) or "athar" (a Companion's ruling).
std::string_view basisOf(const step::Fixed& fixed);

}  // namespace qismaru
