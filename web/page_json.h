#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "estate/estate_form.h"
#include "model/positions.h"

namespace qismaru::web {

// The page hands the C++ its state as small JSON texts, and gets JSON back.
using Json = nlohmann::ordered_json;

// {"school": "shafii", "spouseReturn": false, "noReturn": false}; what is
// missing or unknown is the default, as a batch line without them is.
Positions positionsFromJson(const std::string& text);
Json positionsToJson(const Positions& positions);

// An estate as a batch line carries it, or nothing for "null" (no estate).
std::optional<estate::EstateInputs> estateFromText(const std::string& text);

// The estate form's texts: {"amounts": ["120,000.50", "", "", ""],
// "heirsConsent": false, "decimals": 2}; decimals outside the currency's
// range are taken as the nearest allowed.
estate::EstateForm formFromJson(const std::string& text);
Json formToJson(const estate::EstateForm& form);

}  // namespace qismaru::web
