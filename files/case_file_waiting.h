#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

#include "files/case_file.h"

namespace qismaru::estate {

// The version that keeps what waits in a case.
inline constexpr int kWaitingVersion = 5;

// Reads a case file's "waiting" into `file`, whose heirs, school, later
// deaths and relatives are read already; why it is refused, or "".
std::string readWaitingOfFile(const nlohmann::json& waiting, int version, CaseFile& file);

}  // namespace qismaru::estate
