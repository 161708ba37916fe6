#include "web/page_json.h"

#include <algorithm>

#include "files/estate_json.h"

namespace qismaru::web {

namespace {

Json parsed(const std::string& text) { return Json::parse(text, nullptr, false); }

bool flag(const Json& object, const char* key)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_boolean() && it->get<bool>();
}

}  // namespace

Positions positionsFromJson(const std::string& text)
{
    const Json object = parsed(text);
    Positions positions;
    if (!object.is_object()) return positions;
    const auto school = object.find("school");
    if (school != object.end() && school->is_string()) {
        positions.school = schoolFromKey(school->get<std::string>()).value_or(School::Hanafi);
    }
    positions.spouseReturn = flag(object, "spouseReturn");
    positions.noReturn = flag(object, "noReturn");
    return positions;
}

Json positionsToJson(const Positions& positions)
{
    return {{"school", schoolInfo(positions.school).key},
            {"spouseReturn", positions.spouseReturn},
            {"noReturn", positions.noReturn}};
}

std::optional<estate::EstateInputs> estateFromText(const std::string& text)
{
    const nlohmann::json object = nlohmann::json::parse(text, nullptr, false);
    if (!object.is_object()) return std::nullopt;
    return estate::estateFromJson(object).inputs;
}

estate::EstateForm formFromJson(const std::string& text)
{
    const Json object = parsed(text);
    estate::EstateForm form;
    if (!object.is_object()) return form;
    const auto amounts = object.find("amounts");
    if (amounts != object.end() && amounts->is_array()) {
        for (std::size_t i = 0; i < form.amounts.size() && i < amounts->size(); ++i) {
            if ((*amounts)[i].is_string()) form.amounts[i] = (*amounts)[i].get<std::string>();
        }
    }
    form.heirsConsent = flag(object, "heirsConsent");
    const auto decimals = object.find("decimals");
    if (decimals != object.end() && decimals->is_number_integer()) {
        form.decimals = static_cast<int>(
            std::clamp<long long>(decimals->get<long long>(), estate::kMinDecimals, estate::kMaxDecimals));
    }
    return form;
}

Json formToJson(const estate::EstateForm& form)
{
    return {{"amounts", form.amounts}, {"heirsConsent", form.heirsConsent}, {"decimals", form.decimals}};
}

}  // namespace qismaru::web
