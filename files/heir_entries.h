#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "model/case_entry.h"

namespace qismaru::estate {

// The heirs of one death as a case file keeps them, in the order they were
// entered: [{"code": "h", "count": 1}, {"code": "d", "count": 3}]. The first
// deceased's and each later deceased's are read and written alike.

// Reads the list as the main window would enter it under the school: an
// unknown or repeated kind, a member an entry does not have, a count out of
// range, the husband beside wives, more than four wives and more
// grandmothers than the school lets inherit are refused. Returns "" with
// `entries` filled, or why (English).
std::string readHeirEntries(const nlohmann::json& heirs, School school, std::vector<HeirEntry>& entries);

nlohmann::ordered_json heirEntriesToJson(const std::vector<HeirEntry>& entries);

}  // namespace qismaru::estate
