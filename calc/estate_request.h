#pragma once

#include <optional>
#include <string>

#include "calc/case_input.h"
#include "estate/settlement.h"

namespace qismaru::calc {

// The estate as the command line gives it: --estate AMOUNT [--funeral AMOUNT]
// [--debts AMOUNT] [--bequest AMOUNT] [--heirs-consent] [--decimals N].
struct EstateOptions {
    std::optional<std::string> gross;
    std::optional<std::string> funeral;
    std::optional<std::string> debts;
    std::optional<std::string> bequest;
    bool heirsConsent = false;
    std::optional<std::string> decimals;  // as written, so that "010" and "" are refused, not read

    bool anyGiven() const { return gross || funeral || debts || bequest || heirsConsent || decimals; }
};

// The estate read exactly from the options, nothing when none is given, or
// why it is refused (one line for the terminal).
struct EstateRequest {
    std::optional<estate::EstateInputs> inputs;
    std::string error;

    bool ok() const { return error.empty(); }
};

EstateRequest estateFromOptions(const EstateOptions& options);

// The case and its estate kept in a .qismaru file, or why it cannot be read.
CaseInput caseFromFile(const std::string& path);

}  // namespace qismaru::calc
