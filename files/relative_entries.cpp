#include "files/relative_entries.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "files/estate_json.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

bool onlyItsMembers(const json& entry)
{
    return entry.is_object() && entry.contains("path") && entry.contains("count") &&
           std::all_of(entry.items().begin(), entry.items().end(),
                       [](const auto& item) { return item.key() == "path" || item.key() == "count"; });
}

// The entry read, or why not; its standing beside the others is checked after.
std::string readEntry(const json& entry, RelativeEntry& relative)
{
    if (!onlyItsMembers(entry)) return "each relative must be an object {\"path\": ..., \"count\": ...}";
    if (!entry["path"].is_string()) return "a relative's path must be a string";
    const std::string& written = entry["path"].get_ref<const std::string&>();
    const PathReading read = readRelative(written);
    if (!read.relative) return read.error;
    if (!wholeWithin(entry["count"], 1, kMaxCount)) {
        return "the count of " + quotedPath(written) + " must be a whole number from 1 to " + std::to_string(kMaxCount);
    }
    relative = relativeEntry(*read.relative, entry["count"].get<int>());
    return "";
}

}  // namespace

std::vector<RelativeEntry> entriesOfHeirs(const std::vector<HeirEntry>& heirs)
{
    std::vector<RelativeEntry> entries;
    entries.reserve(heirs.size());
    for (const HeirEntry& heir : heirs) entries.push_back({RelativePath::ofKind(heir.kind), true, heir.count, ""});
    return entries;
}

std::string readRelativeEntries(const json& list, const std::vector<HeirEntry>& heirs,
                                std::vector<RelativeEntry>& relatives)
{
    if (!list.is_array()) return "\"relatives\" must be a list";
    if (list.size() > kMaxRelativesByPath) {
        return "a case holds at most " + std::to_string(kMaxRelativesByPath) + " relatives by path";
    }
    if (list.empty()) return "\"relatives\" is written only for a case that has some";
    std::vector<RelativeEntry> all = entriesOfHeirs(heirs);
    for (const json& entry : list) {
        RelativeEntry relative;
        if (std::string why = readEntry(entry, relative); !why.empty()) return why;
        all.push_back(relative);
        const std::size_t i = all.size() - 1;
        if (std::string why = entryProblem(all, i, kinshipOf(relative.path)); !why.empty()) return why;
        relatives.push_back(std::move(relative));
    }
    return "";
}

nlohmann::ordered_json relativeEntriesToJson(const std::vector<RelativeEntry>& relatives)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const RelativeEntry& r : relatives) {
        list.push_back({{"path", r.writtenWithLabel()}, {"count", r.count}});
    }
    return list;
}

}  // namespace qismaru::estate
