#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/heir_kind.h"
#include "model/kind_set.h"

namespace qismaru {

// The heirs as a sentence names them: definite, and in the form that follows
// a preposition or a possessive ("للبنتين", "لوجود الإخوة لأم"), by number:
// one, two, or many. The solution's sentences place every name so, which
// keeps them grammatical whatever the count.
std::string heirName(HeirKind kind, int count);

// "لـ" before a name: "للبنتين", "لابن الابن".
std::string withLam(std::string_view name);

// The names of several kinds joined by "و", in the order a teacher reads a
// case: spouses, descendants, ascendants, siblings, then the remoter agnates.
std::string heirNames(KindSet kinds, const KindCounts& counts);

// Every kind in that order.
const std::array<HeirKind, kHeirKindCount>& readingOrder();
int readingRank(HeirKind kind);

// "كل واحد" or "كل واحدة", by the kind's gender.
std::string_view eachOne(HeirKind kind);

}  // namespace qismaru
