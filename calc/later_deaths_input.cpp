#include "calc/later_deaths_input.h"

#include "calc/case_json.h"
#include "calc/heir_codes.h"
#include "files/case_file_later.h"
#include "files/json_document.h"
#include "present/deaths_refusal_text.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

using nlohmann::json;

std::string inQuotes(std::string_view text)
{
    std::string quoted = "'";
    quoted += cutAtCharacter(text, kEchoedBytes);
    quoted += '\'';
    return quoted;
}

std::string readDeceased(const json& value, LaterDeath& later)
{
    const std::optional<GroupRef> ref = estate::groupRefIn(value);
    if (!ref) {
        return "\"deceased\" must name a group of an earlier death as \"N:code\" or \"N:path\", such as \"1:s\" or "
               "\"1:s.s.s\"";
    }
    later.deceased = *ref;
    return "";
}

std::string readSame(const json& value, LaterDeath& later)
{
    const estate::SameLinksReading reading = estate::readSameLinks(value, later.same);
    switch (reading.problem) {
    case estate::SameLinksReading::Problem::None: return "";
    case estate::SameLinksReading::Problem::UnknownCode:
        return "unknown heir code " + inQuotes(reading.code) + " in \"same\" (valid codes: " + validCodes() + ")";
    case estate::SameLinksReading::Problem::NotLinks: break;
    }
    return "\"same\" links a kind of heirs to an earlier group, such as {\"m\": \"1:w\"}";
}

std::string readLaterDeath(const estate::JsonDocument& line, const json& entry, LaterDeath& later,
                           LaterHeirsReader readCounts)
{
    if (!entry.is_object()) {
        return "a later death must be an object such as {\"deceased\": \"1:s\", \"counts\": {\"m\": 1}}";
    }
    bool deceased = false;
    bool counts = false;
    for (const auto& [name, value] : entry.items()) {
        std::string why;
        if (name == "deceased") {
            why = readDeceased(value, later);
            deceased = true;
        } else if (name == "counts") {
            why = readCounts(line, value, later);
            counts = true;
        } else if (name == "same") {
            why = readSame(value, later);
        } else if (!isResultMember(name)) {
            why = "unknown member " + inQuotes(name) + " (a later death has \"deceased\", \"counts\" and \"same\")";
        }
        if (!why.empty()) return why;
    }
    if (!deceased) return "name the heir who died, as \"deceased\": \"N:code\"";
    if (!counts || (later.counts.empty() && !later.byPath()))
        return "no heir given: give the deceased's heirs under \"counts\"";
    return "";
}

}  // namespace

std::string readLaterDeaths(const estate::JsonDocument& line, const json& value, std::vector<LaterDeath>& later,
                            LaterHeirsReader readCounts)
{
    if (!value.is_array()) {
        return "\"later\" must be a list of later deaths, such as [{\"deceased\": \"1:s\", \"counts\": {\"m\": 1}}]";
    }
    // Refused before a death is read: a line may hold thousands.
    if (value.size() > kMaxLaterDeaths) return estate::englishTooManyDeathsText();
    later.clear();
    later.reserve(value.size());
    for (const json& entry : value) {
        const std::string death = std::to_string(later.size() + 2);
        std::string why = readLaterDeath(line, entry, later.emplace_back(), readCounts);
        if (!why.empty()) return "death " + death + ": " + why;
    }
    return "";
}

}  // namespace qismaru::calc
