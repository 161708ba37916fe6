#include "files/estate_json.h"

#include <nlohmann/json.hpp>

namespace qismaru::estate {

namespace {

struct FieldKey {
    EstateField field;
    const char* key;
    Minor EstateInputs::*member;
};

constexpr FieldKey kAmountKeys[] = {
    {EstateField::Gross, "gross", &EstateInputs::gross},
    {EstateField::Funeral, "funeral", &EstateInputs::funeral},
    {EstateField::Debts, "debts", &EstateInputs::debts},
    {EstateField::Bequest, "bequest", &EstateInputs::bequest},
};

constexpr const char* kOtherKeys[] = {"heirsConsent", "decimals"};

EstateReading refused(std::string why)
{
    EstateReading reading;
    reading.error = std::move(why);
    return reading;
}

bool knownKey(const std::string& key)
{
    for (const FieldKey& k : kAmountKeys) {
        if (key == k.key) return true;
    }
    for (const char* k : kOtherKeys) {
        if (key == k) return true;
    }
    return false;
}

}  // namespace

EstateReading estateFromJson(const nlohmann::json& value)
{
    if (!value.is_object()) {
        return refused("\"estate\" must be a JSON object such as {\"gross\": \"120000.50\", \"decimals\": 2}");
    }
    for (const auto& item : value.items()) {
        if (!knownKey(item.key())) {
            return refused(
                "the estate has an unknown key (known: gross, funeral, debts, bequest, heirsConsent, decimals)");
        }
    }
    EstateInputs inputs;
    if (value.contains("decimals")) {
        const nlohmann::json& d = value["decimals"];
        if (!wholeWithin(d, kMinDecimals, kMaxDecimals)) {
            return refused("the estate's \"decimals\" must be a whole number from 0 to 3");
        }
        inputs.decimals = d.get<int>();
    }
    if (value.contains("heirsConsent")) {
        if (!value["heirsConsent"].is_boolean()) return refused("the estate's \"heirsConsent\" must be true or false");
        inputs.heirsConsent = value["heirsConsent"].get<bool>();
    }
    if (!value.contains("gross")) return refused("the estate has no \"gross\" amount");
    for (const FieldKey& k : kAmountKeys) {
        if (!value.contains(k.key)) continue;
        const nlohmann::json& amount = value[k.key];
        if (!amount.is_string()) {
            return refused("the estate's \"" + std::string(k.key) +
                           "\" must be a JSON string such as \"1000.50\", which keeps the amount exact");
        }
        const AmountReading reading =
            readAmount(amount.get_ref<const std::string&>(), inputs.decimals, DigitGrouping::Refused);
        if (!reading.ok()) {
            EstateReading bad = refused(englishProblemText(reading.problem, k.field, inputs.decimals));
            bad.field = k.field;
            bad.amountProblem = reading.problem;
            bad.decimals = inputs.decimals;
            return bad;
        }
        inputs.*k.member = *reading.minor;
    }
    EstateReading reading;
    reading.inputs = std::move(inputs);
    return reading;
}

bool wholeWithin(const nlohmann::json& value, long long low, long long high)
{
    if (value.is_number_unsigned()) {
        const std::uint64_t n = value.get<std::uint64_t>();
        return high >= 0 && n <= static_cast<std::uint64_t>(high) && (low <= 0 || n >= static_cast<std::uint64_t>(low));
    }
    if (!value.is_number_integer()) return false;
    const long long n = value.get<long long>();
    return n >= low && n <= high;
}

nlohmann::ordered_json estateToJson(const EstateInputs& inputs)
{
    nlohmann::ordered_json object;
    for (const FieldKey& k : kAmountKeys) object[k.key] = amountText(inputs.*k.member, inputs.decimals);
    object["heirsConsent"] = inputs.heirsConsent;
    object["decimals"] = inputs.decimals;
    return object;
}

}  // namespace qismaru::estate
