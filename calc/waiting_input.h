#pragma once

#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "calc/later_deaths_input.h"
#include "engine/died_together.h"
#include "engine/waiting_case.h"
#include "files/waiting_entries.h"

namespace qismaru::calc {

struct CaseInput;

// The members of a batch line that ask for a case that waits are read as a
// case file reads them (files/waiting_entries.h).
using estate::readKhunthaMember;
using estate::readMissingMember;
using estate::readUnbornMember;

// "outcome": "1m": the outcome of what waits, once known (its name as the
// division names it; whether it fits the case is the answer's to judge).
std::string readOutcomeMember(const nlohmann::json& value, std::string& outcome);

// "together": {"deaths": [{"name": "A", "counts": {...}}, ...],
//              "relations": {"A": {"B": "b"}, ...}, "dispute": true}
// ("dispute": the heirs dispute who died first, which the Hanbalis too then
// answer as the other schools do.)
// Each death's "counts" are read by `readCounts`; whether the names and
// relations fit one another is the engine's to judge.
std::string readTogetherMember(const estate::JsonDocument& line, const nlohmann::json& value,
                               std::optional<DiedTogether>& together, CountsReader readCounts);

// The same asked on the command line.
struct WaitingOptions {
    std::optional<std::string> unborn{};      // --unborn P
    std::optional<std::string> unbornMost{};  // --unborn-most N
    bool unbornCertain = false;               // --unborn-certain
    std::optional<std::string> missing{};     // --missing P[=N]
    std::optional<std::string> khuntha{};     // --khuntha P[=N]
    bool khunthaHopeless = false;             // --khuntha-hopeless
    std::optional<std::string> outcome{};     // --outcome NAME, also beside --case-file

    bool anyGiven() const { return unborn || unbornMost || unbornCertain || missing || khuntha || khunthaHopeless; }
};

// Adds what the options ask for to the case; "" or why they are refused.
std::string addWaitingOptions(const WaitingOptions& options, CaseInput& input);

// Why a case with one who waits, or of those who died together, cannot be
// asked with the rest of the request; "" when it can.
std::string waitingRequestProblem(const CaseInput& input);

}  // namespace qismaru::calc
