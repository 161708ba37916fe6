#pragma once

#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "calc/later_deaths_input.h"
#include "engine/died_together.h"
#include "engine/waiting_case.h"

namespace qismaru::calc {

struct CaseInput;

// The members of a batch line that ask for a case that waits, each read
// whole; every reader returns why the member is refused, or "".
//   "unborn":  {"as": "s", "most": 2}                 a child not yet born
//   "missing": {"path": "s", "count": 1}              heirs whose life is unknown
//   "khuntha": {"as": "s", "count": 1, "hope": true}  heirs whose sex is not clear
std::string readUnbornMember(const nlohmann::json& value, std::optional<UnbornChild>& unborn);
std::string readMissingMember(const nlohmann::json& value, std::optional<MissingHeirs>& missing);
std::string readKhunthaMember(const nlohmann::json& value, std::optional<UnclearHeirs>& unclear);

// "together": {"deaths": [{"name": "A", "counts": {...}}, ...],
//              "relations": {"A": {"B": "b"}, ...}}
// Each death's "counts" are read by `readCounts`; whether the names and
// relations fit one another is the engine's to judge.
std::string readTogetherMember(const estate::JsonDocument& line, const nlohmann::json& value,
                               std::optional<DiedTogether>& together, CountsReader readCounts);

// The same asked on the command line.
struct WaitingOptions {
    std::optional<std::string> unborn{};      // --unborn P
    std::optional<std::string> unbornMost{};  // --unborn-most N
    std::optional<std::string> missing{};     // --missing P[=N]
    std::optional<std::string> khuntha{};     // --khuntha P[=N]
    bool khunthaHopeless = false;             // --khuntha-hopeless

    bool anyGiven() const { return unborn || unbornMost || missing || khuntha || khunthaHopeless; }
};

// Adds what the options ask for to the case; "" or why they are refused.
std::string addWaitingOptions(const WaitingOptions& options, CaseInput& input);

// Why a case with one who waits, or of those who died together, cannot be
// asked with the rest of the request; "" when it can.
std::string waitingRequestProblem(const CaseInput& input);

}  // namespace qismaru::calc
