#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/combined_base.h"

namespace qismaru {

// The combined table as the books draw it, in texts: a column per death
// with its corrected base and what its parts are multiplied by, then the
// combined base, and when it was reduced (الاختصار) the base after it; a
// row per group of persons with its parts in each death and its total (and
// its total reduced), the deceased marked in place of the last. For a terminal, and
// for copying as tab-separated text.
struct CombinedTableText {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    // Per row, the later death its persons are the deceased of (2, 3, ...),
    // so that a view can mark it; 0 for the living and what no heir takes.
    std::vector<int> diedAs;
    // Per row, what a view shows when its deceased's row is pointed at
    // (passedOnNote); "" for the other rows.
    std::vector<std::string> notes;
};

// The groups that have a row, in the order the books list them: the first
// death's heirs, then each later death's new heirs, each death's in the
// reading order of a case; a group that never received anything has none.
std::vector<std::size_t> combinedRowOrder(const CombinedTable& table);

// The order the books list the groups in: by the death they first inherit
// in, then as the heirs of a case are read.
bool listedBefore(const GroupRef& a, const GroupRef& b);

// The rows in that order, then what no heir takes, if anything.
CombinedTableText combinedTableText(const CombinedTable& table);

// "زوجة 1، أم في الثانية": a group by its kind and count in its first death,
// and what it is in each later one.
std::string groupLabel(const PersonGroup& group);

// One line per row, the cells joined by `separator`.
std::string tableLines(const CombinedTableText& text, std::string_view separator);

}  // namespace qismaru
