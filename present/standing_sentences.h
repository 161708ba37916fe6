#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "present/solution_context.h"

namespace qismaru {

// The sentences of a case written by path about single relatives, beyond
// what the division over the 21 kinds tells: who was kept out before the
// division and why, in the books' words («تحجب الأمُّ الجداتِ», «الأقرب
// يحجب الأبعد», «جهة البنوة مقدمة على جهة الأخوة»), the completing sixth of a
// lower level of son's daughters, and each relative's parts. The context
// carries the relatives (SolutionContext::relatives).

// Entry `i`, kept out before the division (a farther grandfather or
// grandmother, a lower descendant, a farther agnate, a woman of the
// emancipator's family), or "" for one who was not.
std::string standingSentence(std::size_t i, const SolutionContext& context);

std::string completingSixthSentence(const decision::CompletingSixth& sixth, const SolutionContext& context);

// "لابن ابن الابن 4 من 12", with each one's parts where there are several, of
// the base the share is counted in.
std::string entryDivisionSentence(std::size_t i, const RelativeShare& share, const SolutionContext& context);

}  // namespace qismaru
