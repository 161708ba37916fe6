#include "files/waiting_entries.h"

#include <algorithm>
#include <cctype>

#include "engine/waiting_division.h"
#include "present/utf8_text.h"

namespace qismaru::estate {

using nlohmann::json;

namespace {

// The paths a relation may be named by: all of them, or only the men's
// relations that may be unborn or of unclear sex.
std::string pathsList(bool unclearOnly)
{
    std::string list;
    for (const WaitingRelation& r : waitingRelations()) {
        if (unclearOnly && !r.mayBeUnclear) continue;
        if (!list.empty()) list += ' ';
        list += r.path;
    }
    return list;
}

}  // namespace

std::string inQuotes(std::string_view text)
{
    std::string quoted = "'";
    quoted += cutAtCharacter(text, kEchoedBytes);
    quoted += '\'';
    return quoted;
}

// The relation a path (or heir code) names; for the unborn and the khuntha,
// only one in its male form that may be either.
std::optional<WaitingRelation> waitingRelationOf(std::string_view path, bool unclearOnly, std::string_view member,
                                                 std::string& why)
{
    const std::optional<WaitingRelation> relation = relationNamed(path);
    if (relation && (relation->mayBeUnclear || !unclearOnly)) return relation;
    why = "the relation of " + std::string(member) + " must be one of " + pathsList(unclearOnly) + ", not " +
          inQuotes(path);
    return std::nullopt;
}

// A whole number from `least` to `most`, as JSON or as the command line writes it.
std::optional<int> countWithin(const json& value, int least, int most)
{
    if (!value.is_number_integer()) return std::nullopt;
    // JSON reads a number without a sign as unsigned, one too large for 64 bits as no integer.
    const bool inRange = value.is_number_unsigned()
                             ? value.get<std::uint64_t>() >= static_cast<std::uint64_t>(least) &&
                                   value.get<std::uint64_t>() <= static_cast<std::uint64_t>(most)
                             : value.get<std::int64_t>() >= least && value.get<std::int64_t>() <= most;
    if (!inRange) return std::nullopt;
    return value.get<int>();
}

std::optional<int> countWithin(std::string_view text, int least, int most)
{
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int n = std::stoi(std::string(text));
    if (n < least || n > most) return std::nullopt;
    return n;
}

std::string rangeText(std::string_view what, int least, int most)
{
    return std::string(what) + " must be a whole number from " + std::to_string(least) + " to " + std::to_string(most);
}

namespace {

std::string pathMember(const json& member, bool unclearOnly, std::string_view name,
                       std::optional<WaitingRelation>& relation)
{
    if (!member.is_string()) return "the relation of " + std::string(name) + " must be a path such as \"s\"";
    std::string why;
    relation = waitingRelationOf(member.get_ref<const std::string&>(), unclearOnly, name, why);
    return why;
}

std::string countMember(const json& member, int most, std::string_view what, int& count)
{
    const std::optional<int> n = countWithin(member, 1, most);
    if (!n) return rangeText(what, 1, most);
    count = *n;
    return "";
}

}  // namespace

std::string readUnbornMember(const json& value, std::optional<UnbornChild>& unborn)
{
    std::optional<WaitingRelation> as;
    int most = 0;
    bool certain = false;
    const std::string why =
        eachMember(value, "unborn", R"({"as": "s", "most": 2})",
                   [&](const std::string& key, const json& member) -> std::optional<std::string> {
                       if (key == "as") return pathMember(member, true, "\"unborn\"", as);
                       if (key == "most") return countMember(member, kMostChildren, "\"most\" of \"unborn\"", most);
                       if (key != "certain") return std::nullopt;
                       if (!member.is_boolean()) return "\"certain\" of \"unborn\" must be true or false";
                       certain = member.get<bool>();
                       return "";
                   });
    if (!why.empty()) return why;
    if (!as) return "\"unborn\" names the child's relation in its male form under \"as\", such as {\"as\": \"s\"}";
    unborn = UnbornChild{*as, most, certain};
    return "";
}

std::string readMissingMember(const json& value, std::optional<MissingHeirs>& missing)
{
    std::optional<WaitingRelation> path;
    int count = 1;
    const std::string why = eachMember(value, "missing", R"({"path": "s", "count": 1})",
                                       [&](const std::string& key, const json& member) -> std::optional<std::string> {
                                           if (key == "path") return pathMember(member, false, "\"missing\"", path);
                                           if (key == "count")
                                               return countMember(member, kMaxCount, "\"count\" of \"missing\"", count);
                                           return std::nullopt;
                                       });
    if (!why.empty()) return why;
    if (!path) return "\"missing\" names the relation of the missing under \"path\", such as {\"path\": \"s\"}";
    missing = MissingHeirs{*path, count};
    return "";
}

std::string readKhunthaMember(const json& value, std::optional<UnclearHeirs>& unclear)
{
    std::optional<WaitingRelation> as;
    int count = 1;
    bool hope = true;
    const std::string why =
        eachMember(value, "khuntha", R"({"as": "s", "count": 1, "hope": true})",
                   [&](const std::string& key, const json& member) -> std::optional<std::string> {
                       if (key == "as") return pathMember(member, true, "\"khuntha\"", as);
                       if (key == "count") return countMember(member, kMostUnclear, "\"count\" of \"khuntha\"", count);
                       if (key != "hope") return std::nullopt;
                       if (!member.is_boolean()) return "\"hope\" of \"khuntha\" must be true or false";
                       hope = member.get<bool>();
                       return "";
                   });
    if (!why.empty()) return why;
    if (!as) return "\"khuntha\" names the relation in its male form under \"as\", such as {\"as\": \"s\"}";
    unclear = UnclearHeirs{*as, count, hope};
    return "";
}

std::string readWaitingEntry(const json& value, WaitingEntry& entry)
{
    const std::string why = eachMember(
        value, "waiting", R"({"unborn": {"as": "s"}, "outcome": "1m"})",
        [&](const std::string& key, const json& member) -> std::optional<std::string> {
            if (key == "unborn") return readUnbornMember(member, entry.unborn);
            if (key == "missing") return readMissingMember(member, entry.missing);
            if (key == "khuntha") return readKhunthaMember(member, entry.unclear);
            if (key != "outcome") return std::nullopt;
            if (!member.is_string() || member.get_ref<const std::string&>().empty())
                return "\"outcome\" of \"waiting\" must be an outcome's name such as \"1m\", \"alive\" or \"male\"";
            entry.outcome = member.get<std::string>();
            return "";
        });
    if (!why.empty()) return why;
    if (!entry.waits()) return "\"waiting\" names an unborn child, missing heirs or a khuntha";
    return "";
}

nlohmann::ordered_json waitingEntryToJson(const WaitingEntry& entry)
{
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    if (entry.unborn) {
        object["unborn"]["as"] = entry.unborn->as.path;
        if (entry.unborn->most > 0) object["unborn"]["most"] = entry.unborn->most;
        if (entry.unborn->certainAsked) object["unborn"]["certain"] = true;
    }
    if (entry.missing) object["missing"] = {{"path", entry.missing->relation.path}, {"count", entry.missing->count}};
    if (entry.unclear) {
        object["khuntha"] = {
            {"as", entry.unclear->as.path}, {"count", entry.unclear->count}, {"hope", entry.unclear->hope}};
    }
    if (!entry.outcome.empty()) object["outcome"] = entry.outcome;
    return object;
}

std::string outcomeProblem(const WaitingEntry& entry, const KindCounts& counts, const Positions& positions)
{
    if (entry.outcome.empty()) return "";
    const WaitingCase wait = waitingCaseWith(counts, entry.unborn, entry.missing, entry.unclear);
    if (outcomeKeyNamed(wait, positions, entry.outcome)) return "";
    return "the outcome " + inQuotes(entry.outcome) +
           " does not fit what waits (such as \"none\", \"1m\", \"1m+1f\"; \"alive\", \"dead\"; \"male\", "
           "\"female\"; joined by \"+\" in that order)";
}

}  // namespace qismaru::estate
