#include "files/case_file_later.h"

#include <nlohmann/json.hpp>

#include "engine/combined_base.h"
#include "files/estate_json.h"
#include "files/heir_entries.h"
#include "present/deaths_refusal_text.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

std::string readEntry(const json& value, School school, LaterDeathEntry& entry)
{
    if (!value.is_object()) return "a later death must be an object";
    for (const auto& [name, member] : value.items()) {
        if (name != "deceased" && name != "heirs" && name != "same")
            return "unknown member '" + name.substr(0, 20) + "'";
    }
    const std::optional<GroupRef> deceased = value.contains("deceased") ? groupRefIn(value["deceased"]) : std::nullopt;
    if (!deceased) return "\"deceased\" must name a group as \"N:code\"";
    entry.deceased = *deceased;
    if (!value.contains("heirs")) return "a later death must give its \"heirs\"";
    if (std::string why = readHeirEntries(value["heirs"], school, entry.heirs); !why.empty()) return why;
    if (entry.heirs.empty()) return "a later deceased must leave heirs";
    if (value.contains("same") && readSameLinks(value["same"], entry.same).problem != SameLinksReading::Problem::None) {
        return "\"same\" must link heir codes to groups \"N:code\"";
    }
    return "";
}

}  // namespace

LaterDeath laterDeathOf(const LaterDeathEntry& entry) { return {entry.deceased, countsOf(entry.heirs), entry.same}; }

std::optional<GroupRef> groupRefIn(const json& value)
{
    return value.is_string() ? refFromText(value.get_ref<const std::string&>()) : std::nullopt;
}

SameLinksReading readSameLinks(const json& value, std::vector<SameLink>& same)
{
    using Problem = SameLinksReading::Problem;
    if (!value.is_object()) return {Problem::NotLinks, {}};
    for (const auto& [code, earlier] : value.items()) {
        const std::optional<HeirKind> kind = kindFromCode(code);
        if (!kind) return {Problem::UnknownCode, code};
        const std::optional<GroupRef> ref = groupRefIn(earlier);
        if (!ref) return {Problem::NotLinks, {}};
        same.push_back({*kind, *ref});
    }
    return {};
}

std::string readLaterDeathEntries(const json& value, School school, std::vector<LaterDeathEntry>& later)
{
    if (!value.is_array()) return "\"later\" must be a list";
    for (const json& item : value) {
        const std::string death = std::to_string(later.size() + 2);
        std::string why = readEntry(item, school, later.emplace_back());
        if (!why.empty()) return "death " + death + ": " + why;
    }
    return "";
}

std::string laterDeathsProblem(const std::vector<HeirEntry>& first, const std::vector<LaterDeathEntry>& later,
                               const Positions& positions)
{
    std::vector<LaterDeath> deaths;
    for (const LaterDeathEntry& entry : later) deaths.push_back(laterDeathOf(entry));
    const CombinedComputation c = computeSuccessiveDeaths(countsOf(first), deaths, positions);
    const DeathsProblem problem = c.refusal.problem;
    if (!c.refusal.refused() || problem == DeathsProblem::CaseBeyondExactRange ||
        problem == DeathsProblem::CombinedBeyondExactRange) {
        return "";
    }
    return englishRefusalText(c.refusal, c.deaths);
}

nlohmann::ordered_json laterDeathsToJson(const std::vector<LaterDeathEntry>& later)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LaterDeathEntry& entry : later) {
        nlohmann::ordered_json death;
        death["deceased"] = refText(entry.deceased);
        death["heirs"] = heirEntriesToJson(entry.heirs);
        death["same"] = nlohmann::ordered_json::object();
        for (const SameLink& link : entry.same)
            death["same"][std::string(infoOf(link.kind).code)] = refText(link.earlier);
        list.push_back(std::move(death));
    }
    return list;
}

}  // namespace qismaru::estate
