#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "calc/heir_codes.h"
#include "calc/waiting_input.h"
#include "engine/died_together.h"
#include "engine/successive_deaths.h"
#include "engine/waiting_case.h"
#include "estate/settlement.h"
#include "model/heir_kind.h"
#include "model/positions.h"
#include "model/relative_case.h"

namespace qismaru::estate {
struct JsonDocument;
}

namespace qismaru::calc {

// One case as asked for on the command line or in a batch line, or why it
// was refused. What a request may carry besides the counts is added here.
struct CaseInput {
    KindCounts counts;
    std::string error;                             // empty when the request is usable
    std::optional<estate::EstateInputs> estate{};  // the estate to settle, when one is given
    // A batch line's own school and positions, in place of the command line's.
    std::optional<School> school{};
    std::optional<bool> spouseReturn{};
    std::optional<bool> noReturn{};
    std::optional<KindredMethod> kindredMethod{};
    // The case file could not be read at all: a failure of reading, not bad input.
    bool unreadable = false;
    // Heirs who died before the division, each with his own heirs.
    std::vector<LaterDeath> later{};
    // The relatives as entered, in order (the heir codes too), and whether
    // any is written by a path beyond the 21 codes ("s.s.s", "f.m", "mut"):
    // such a case is divided by path.
    std::vector<RelativeEntry> relatives{};
    bool byPath = false;
    // An unborn child, missing heirs or heirs of unclear sex beside the
    // counts; or, as a case of its own, those who died together.
    std::optional<UnbornChild> unborn{};
    std::optional<MissingHeirs> missing{};
    std::optional<UnclearHeirs> unclear{};
    std::optional<DiedTogether> together{};
    std::string outcome{};  // the outcome of what waits, once known and recorded

    bool ok() const { return error.empty(); }
};

// Arguments "CODE=N", for example {"h=1", "m=1", "f=1"}, with the unborn
// child, the missing heirs or the khuntha of the command line beside them.
CaseInput countsFromArguments(const std::vector<std::string>& arguments, const WaitingOptions& waiting = {});

// One line of batch input: a JSON object {"h": 1, "m": 1}, or a result line
// carrying such an object under "counts".
CaseInput caseFromLine(std::string_view line);
// The same, always through the full JSON reading: the shortcuts for plain
// lines, with or without an estate, must answer exactly as this does.
CaseInput caseFromLineInFull(std::string_view line);

// The heirs of a JSON object {"h": 1, "m": 1} read by the rules of a batch
// line's "counts"; an empty object is no heirs and no error.
CaseInput countsFromJson(const estate::JsonDocument& line, const nlohmann::json& counts);

}  // namespace qismaru::calc
