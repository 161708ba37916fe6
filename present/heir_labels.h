#pragma once

#include <string_view>

#include "model/heir_kind.h"

namespace qismaru {

// How each heir kind is written: the caption on its button (its blanks and
// tatweel kept, as the button draws them), its name in the entry list, the
// result table and the sentences, and its name on the printed page (the
// uterine siblings without the blank).
struct HeirLabels {
    HeirKind kind;
    std::string_view buttonCaption;
    std::string_view displayName;
    std::string_view printedName;
};

const HeirLabels& labelsOf(HeirKind kind);

}  // namespace qismaru
