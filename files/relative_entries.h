#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "model/case_entry.h"
#include "model/relative_case.h"

namespace qismaru::estate {

// The relatives of a case beyond the heir buttons, as a case file keeps
// them after the buttons' heirs, in the order they were entered, each
// written in the notation of paths with its label:
// [{"path": "s.s.s", "count": 1}, {"path": "d.d@1", "count": 2}].

// A case holds at most this many relatives by path: a file of the most,
// each at the longest path, stays far below the largest case file.
inline constexpr std::size_t kMaxRelativesByPath = 100;

// Reads the list as the case would take its relatives one by one beside the
// heirs of the buttons: a path that cannot be read or names no relative who
// may stand in a case, a count out of range or above one for one person,
// the same relative twice, and more than kMaxRelativesByPath are refused.
// Returns "" with `relatives` filled, or why (English).
std::string readRelativeEntries(const nlohmann::json& list, const std::vector<HeirEntry>& heirs,
                                std::vector<RelativeEntry>& relatives);

nlohmann::ordered_json relativeEntriesToJson(const std::vector<RelativeEntry>& relatives);

// The heirs of the buttons, in the order entered, as entries by path.
std::vector<RelativeEntry> entriesOfHeirs(const std::vector<HeirEntry>& heirs);

}  // namespace qismaru::estate
