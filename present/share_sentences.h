#pragma once

#include <string>
#include <string_view>

#include "model/case_entry.h"
#include "present/solution_context.h"

namespace qismaru {

inline constexpr Verb kIsExcluded{"يُحجب", "تُحجب", "يُحجبان", "تُحجبان", "يُحجبون", "يُحجبن"};

// The sentences about single heirs: who is excluded and by whom, who takes
// which fixed share and why, who takes the remainder and how.
std::string excludedSentence(const decision::Excluded& excluded, const SolutionContext& context);
std::string fixedSentence(const decision::Fixed& fixed, const SolutionContext& context);
std::string residueSentence(const decision::Residue& residue, const SolutionContext& context);
std::string nothingLeftSentence(const decision::NothingLeft& nothing, const SolutionContext& context);

// Why the excluders keep the kind out, as a phrase after "لـ": "لوجود الابن".
std::string exclusionReasons(const decision::Excluded& excluded, const SolutionContext& context);

// The note on the grandmothers whose side is not given ("gm") beside the
// father or the grandfather, as a clause that stands alone or after "و"
// ("لا يحجب الأب الجدات هنا، ..."); "" for none. Where the school's answer
// depends on which grandmother the count stands for, it points to the
// grandmothers by their side.
std::string grandmotherSideText(const KindCounts& counts, School school);

// Where a fixed share comes from: "4:11", "4:12" or "4:176" for a verse of
// al-Nisa', "sunnah", "ijma" (consensus) or "athar" (a Companion's ruling).
std::string_view basisOf(const decision::Fixed& fixed);

}  // namespace qismaru
