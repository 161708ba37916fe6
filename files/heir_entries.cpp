#include "files/heir_entries.h"

#include <algorithm>
#include <array>

#include <nlohmann/json.hpp>

#include "files/estate_json.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

// Why an entry cannot stand in the case built so far, or "".
std::string entryProblem(const json& entry, const std::array<bool, kHeirKindCount>& seen, const KindCounts& counts,
                         School school)
{
    const bool onlyItsMembers =
        entry.is_object() && std::all_of(entry.items().begin(), entry.items().end(), [](const auto& item) {
            return item.key() == "code" || item.key() == "count";
        });
    if (!onlyItsMembers || !entry.contains("code") || !entry.contains("count")) {
        return "each heir must be an object {\"code\": ..., \"count\": ...}";
    }
    if (!entry["code"].is_string()) return "an heir code must be a string";
    const std::string& code = entry["code"].get_ref<const std::string&>();
    const std::optional<HeirKind> kind = kindFromCode(code);
    if (!kind) return "unknown heir code '" + code.substr(0, 8) + "'";
    if (seen[indexOf(*kind)]) return "heir code '" + code + "' is given twice";
    const json& count = entry["count"];
    const int limit = infoOf(*kind).entry == EntryKind::Single ? 1 : kMaxCount;
    if (!wholeWithin(count, 1, limit)) {
        return "the count of '" + code + "' must be a whole number from 1 to " + std::to_string(limit);
    }
    if (*kind == HeirKind::Wives && count.get<int>() > kMaxWives) return "more than four wives";
    const bool spouses = (*kind == HeirKind::Husband && counts.has(HeirKind::Wives)) ||
                         (*kind == HeirKind::Wives && counts.has(HeirKind::Husband));
    if (spouses) return "the husband and wives never stand in one case";
    KindCounts after = counts;
    after.set(*kind, count.get<int>());
    return grandmotherLimitProblem(after, school);
}

}  // namespace

std::string readHeirEntries(const json& heirs, School school, std::vector<HeirEntry>& entries)
{
    if (!heirs.is_array()) return "\"heirs\" must be a list";
    std::array<bool, kHeirKindCount> seen{};
    KindCounts counts;
    for (const json& entry : heirs) {
        std::string problem = entryProblem(entry, seen, counts, school);
        if (!problem.empty()) return problem;
        const HeirKind kind = *kindFromCode(entry["code"].get_ref<const std::string&>());
        const int count = entry["count"].get<int>();
        seen[indexOf(kind)] = true;
        counts.set(kind, count);
        entries.push_back({kind, count});
    }
    return "";
}

nlohmann::ordered_json heirEntriesToJson(const std::vector<HeirEntry>& entries)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const HeirEntry& heir : entries) list.push_back({{"code", infoOf(heir.kind).code}, {"count", heir.count}});
    return list;
}

}  // namespace qismaru::estate
