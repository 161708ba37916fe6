#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "model/heir_kind.h"

namespace qismaru::calc {

// Counts read from the command line or from a batch line, or why they were refused.
struct CaseInput {
    KindCounts counts;
    std::string error;  // empty when the counts are usable

    bool ok() const { return error.empty(); }
};

// Arguments "CODE=N", for example {"h=1", "m=1", "f=1"}.
CaseInput countsFromArguments(const std::vector<std::string>& arguments);

// A JSON object {"h": 1, "m": 1}, or a result object carrying such an object under "counts".
CaseInput countsFromJson(const nlohmann::json& object);

// "bm gm s ... h": the heir codes in kind order, for error messages and help.
std::string validCodes();

}  // namespace qismaru::calc
