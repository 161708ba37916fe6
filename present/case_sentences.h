#pragma once

#include <string>
#include <vector>

#include "present/solution_context.h"

namespace qismaru {

// The sentences about the whole case: the base, the increase or return, the
// correction, and each kind's parts of the corrected base.
std::string baseSentence(const SolutionContext& context);
std::string increaseSentence(const decision::Increase& increase, const SolutionContext& context);
std::string returnSentence(const decision::Return& ret, const SolutionContext& context);
std::string correctionSentence(const SolutionContext& context);

// A group whose parts of the base do not divide among its heads, as the
// correction takes it: a kind alone, a male and a female kind sharing two to
// one (each male two heads), or in the shared Mushtaraka the full siblings
// pooled with the uterine ones, every head alike.
struct HeadsGroup {
    KindSet kinds;
    std::int64_t parts;   // of the base before the correction
    std::int64_t heads;   // persons, each male two heads beside females
    std::int64_t factor;  // what the group multiplies the base by
};
std::vector<HeadsGroup> correctionGroups(const SolutionContext& context);

std::string divisionSentence(HeirKind kind, const SolutionContext& context);

}  // namespace qismaru
