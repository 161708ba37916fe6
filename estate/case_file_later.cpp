#include "estate/case_file_later.h"

#include <nlohmann/json.hpp>

#include "engine/combined_base.h"
#include "estate/deaths_refusal_text.h"
#include "estate/estate_json.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

KindCounts countsOf(const std::vector<HeirEntry>& heirs)
{
    KindCounts counts;
    for (const HeirEntry& heir : heirs) counts.set(heir.kind, heir.count);
    return counts;
}

std::optional<GroupRef> refIn(const json& value)
{
    return value.is_string() ? refFromText(value.get_ref<const std::string&>()) : std::nullopt;
}

// The heirs as entered; the window's entry rules judge them afterwards.
bool readHeirs(const json& value, std::vector<HeirEntry>& heirs)
{
    if (!value.is_array()) return false;
    for (const json& entry : value) {
        if (!entry.is_object() || entry.size() != 2 || !entry.contains("code") || !entry["code"].is_string() ||
            !entry.contains("count") || !wholeWithin(entry["count"], 1, kMaxCount)) {
            return false;
        }
        const std::optional<HeirKind> kind = kindFromCode(entry["code"].get_ref<const std::string&>());
        if (!kind) return false;
        heirs.push_back({*kind, entry["count"].get<int>()});
    }
    return true;
}

bool readSame(const json& value, std::vector<SameLink>& same)
{
    if (!value.is_object()) return false;
    for (const auto& [code, earlier] : value.items()) {
        const std::optional<HeirKind> kind = kindFromCode(code);
        const std::optional<GroupRef> ref = refIn(earlier);
        if (!kind || !ref) return false;
        same.push_back({*kind, *ref});
    }
    return true;
}

std::string readEntry(const json& value, School school, LaterDeathEntry& entry)
{
    if (!value.is_object()) return "a later death must be an object";
    for (const auto& [name, member] : value.items()) {
        if (name != "deceased" && name != "heirs" && name != "same")
            return "unknown member '" + name.substr(0, 20) + "'";
    }
    const std::optional<GroupRef> deceased = value.contains("deceased") ? refIn(value["deceased"]) : std::nullopt;
    if (!deceased) return "\"deceased\" must name a group as \"N:code\"";
    entry.deceased = *deceased;
    if (!value.contains("heirs") || !readHeirs(value["heirs"], entry.heirs) || entry.heirs.empty() ||
        !caseWithHeirs(entry.heirs, school)) {
        return "heirs that the window could not enter (an unknown or repeated kind, a count out of range, the "
               "husband beside wives, too many wives or grandmothers), or none";
    }
    if (value.contains("same") && !readSame(value["same"], entry.same)) {
        return "\"same\" must link heir codes to groups \"N:code\"";
    }
    return "";
}

}  // namespace

LaterDeath laterDeathOf(const LaterDeathEntry& entry) { return {entry.deceased, countsOf(entry.heirs), entry.same}; }

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
        death["heirs"] = nlohmann::ordered_json::array();
        for (const HeirEntry& heir : entry.heirs) {
            death["heirs"].push_back({{"code", infoOf(heir.kind).code}, {"count", heir.count}});
        }
        death["same"] = nlohmann::ordered_json::object();
        for (const SameLink& link : entry.same)
            death["same"][std::string(infoOf(link.kind).code)] = refText(link.earlier);
        list.push_back(std::move(death));
    }
    return list;
}

}  // namespace qismaru::estate
