#pragma once

#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "estate/amount_messages.h"
#include "estate/settlement.h"

namespace qismaru::estate {

// An estate as a JSON object, the same in a batch line and in a case file:
// {"gross": "120000.50", "funeral": "1000", "debts": "0", "bequest": "50000",
//  "heirsConsent": false, "decimals": 2}. Amounts are strings, so that no
// reader turns them into binary floating point on the way; only "gross" is
// required (the claims default to "0", the decimals to 2).
struct EstateReading {
    std::optional<EstateInputs> inputs;
    std::string error;  // English, for the calculator
    // The amount that was refused and why, for a message in Arabic.
    std::optional<EstateField> field;
    AmountProblem amountProblem = AmountProblem::Empty;
    int decimals = kDefaultDecimals;

    bool ok() const { return inputs.has_value(); }
};

EstateReading estateFromJson(const nlohmann::json& value);

// Whether a JSON value is a whole number from low to high; huge numbers,
// which would wrap when read as a signed one, are simply out of range.
bool wholeWithin(const nlohmann::json& value, long long low, long long high);

// The inputs as that object, amounts as plain decimal strings.
nlohmann::ordered_json estateToJson(const EstateInputs& inputs);

}  // namespace qismaru::estate
