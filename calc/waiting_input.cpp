#include "calc/waiting_input.h"

#include <algorithm>
#include <cctype>

#include <nlohmann/json.hpp>

#include "calc/case_input.h"
#include "files/json_document.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

using nlohmann::json;

constexpr std::size_t kMostDeathsTogether = kMaxLaterDeaths;

std::string inQuotes(std::string_view text)
{
    std::string quoted = "'";
    quoted += cutAtCharacter(text, kEchoedBytes);
    quoted += '\'';
    return quoted;
}

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

// The relation a path (or heir code) names; for the unborn and the khuntha,
// only one in its male form that may be either.
std::optional<WaitingRelation> relationOf(std::string_view path, bool unclearOnly, std::string_view member,
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

// Runs `read` on each member of an object, refusing a member it does not know.
template <typename Read>
std::string eachMember(const json& value, std::string_view name, std::string_view example, Read read)
{
    if (!value.is_object()) return "\"" + std::string(name) + "\" must be an object such as " + std::string(example);
    for (const auto& [key, member] : value.items()) {
        const std::optional<std::string> why = read(key, member);
        if (!why) {
            return "unknown member " + inQuotes(key) + " in \"" + std::string(name) + "\" (such as " +
                   std::string(example) + ")";
        }
        if (!why->empty()) return *why;
    }
    return "";
}

std::string pathMember(const json& member, bool unclearOnly, std::string_view name,
                       std::optional<WaitingRelation>& relation)
{
    if (!member.is_string()) return "the relation of " + std::string(name) + " must be a path such as \"s\"";
    std::string why;
    relation = relationOf(member.get_ref<const std::string&>(), unclearOnly, name, why);
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
    const std::string why =
        eachMember(value, "unborn", R"({"as": "s", "most": 2})",
                   [&](const std::string& key, const json& member) -> std::optional<std::string> {
                       if (key == "as") return pathMember(member, true, "\"unborn\"", as);
                       if (key == "most") return countMember(member, kMostChildren, "\"most\" of \"unborn\"", most);
                       return std::nullopt;
                   });
    if (!why.empty()) return why;
    if (!as) return "\"unborn\" names the child's relation in its male form under \"as\", such as {\"as\": \"s\"}";
    unborn = UnbornChild{*as, most};
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

namespace {

constexpr std::string_view kDeathExample = R"({"name": "A", "counts": {"s": 1}})";

std::string readDeath(const estate::JsonDocument& line, const json& entry, TogetherDeath& death,
                      CountsReader readCounts)
{
    bool named = false;
    std::string why = eachMember(entry, "deaths", kDeathExample,
                                 [&](const std::string& key, const json& member) -> std::optional<std::string> {
                                     if (key == "counts") return readCounts(line, member, death.counts);
                                     if (key != "name") return std::nullopt;
                                     if (!member.is_string()) return "\"name\" must be a text such as \"A\"";
                                     death.name = member.get<std::string>();
                                     named = true;
                                     return "";
                                 });
    if (why.empty() && !named) why = "name each death, as \"name\": \"A\"";
    return why;
}

std::string readDeaths(const estate::JsonDocument& line, const json& value, DiedTogether& together,
                       CountsReader readCounts)
{
    if (!value.is_array()) return "\"deaths\" must be a list such as [" + std::string(kDeathExample) + ", ...]";
    if (value.size() > kMostDeathsTogether) {
        return "at most " + std::to_string(kMostDeathsTogether) + " deaths together are divided in one case";
    }
    for (const json& entry : value) {
        const std::string death = std::to_string(together.deaths.size() + 1);
        const std::string why = readDeath(line, entry, together.deaths.emplace_back(), readCounts);
        if (!why.empty()) return "death " + death + ": " + why;
    }
    return "";
}

// {"A": {"B": "b"}}: B is A's full brother.
std::string readRelations(const json& value, std::vector<TogetherRelation>& relations)
{
    constexpr std::string_view kNotRelations = R"("relations" must be an object such as {"A": {"B": "b"}})";
    if (!value.is_object()) return std::string(kNotRelations);
    for (const auto& [of, related] : value.items()) {
        if (!related.is_object()) return std::string(kNotRelations);
        for (const auto& [who, path] : related.items()) {
            if (!path.is_string()) return std::string(kNotRelations);
            relations.push_back({of, who, path.get<std::string>()});
        }
    }
    return "";
}

}  // namespace

std::string readTogetherMember(const estate::JsonDocument& line, const json& value,
                               std::optional<DiedTogether>& together, CountsReader readCounts)
{
    DiedTogether read;
    const std::string why = eachMember(value, "together", R"({"deaths": [...], "relations": {"A": {"B": "b"}}})",
                                       [&](const std::string& key, const json& member) -> std::optional<std::string> {
                                           if (key == "deaths") return readDeaths(line, member, read, readCounts);
                                           if (key == "relations") return readRelations(member, read.relations);
                                           return std::nullopt;
                                       });
    if (!why.empty()) return why;
    together = std::move(read);
    return "";
}

namespace {

// "P" or "P=N", N from 1 to `most`.
std::string pathAndCount(const std::string& written, bool unclearOnly, std::string_view option, int most,
                         std::optional<WaitingRelation>& relation, int& count)
{
    const auto eq = written.find('=');
    std::string why;
    relation = relationOf(written.substr(0, eq), unclearOnly, option, why);
    if (!relation) return why;
    if (eq == std::string::npos) return "";
    const std::optional<int> n = countWithin(std::string_view(written).substr(eq + 1), 1, most);
    if (!n) return rangeText("the count of " + std::string(option), 1, most);
    count = *n;
    return "";
}

}  // namespace

std::string addWaitingOptions(const WaitingOptions& options, CaseInput& input)
{
    std::optional<WaitingRelation> relation;
    int count = 1;
    if (options.unbornMost && !options.unborn) return "--unborn-most goes with --unborn";
    if (options.khunthaHopeless && !options.khuntha) return "--khuntha-hopeless goes with --khuntha";
    if (options.unborn) {
        int most = 0;
        std::string why;
        relation = relationOf(*options.unborn, true, "--unborn", why);
        if (!relation) return why;
        if (options.unbornMost) {
            const std::optional<int> n = countWithin(std::string_view(*options.unbornMost), 1, kMostChildren);
            if (!n) return rangeText("--unborn-most", 1, kMostChildren);
            most = *n;
        }
        input.unborn = UnbornChild{*relation, most};
    }
    if (options.missing) {
        std::string why = pathAndCount(*options.missing, false, "--missing", kMaxCount, relation, count);
        if (!why.empty()) return why;
        input.missing = MissingHeirs{*relation, count};
    }
    if (options.khuntha) {
        count = 1;
        std::string why = pathAndCount(*options.khuntha, true, "--khuntha", kMostUnclear, relation, count);
        if (!why.empty()) return why;
        input.unclear = UnclearHeirs{*relation, count, !options.khunthaHopeless};
    }
    return "";
}

std::string waitingRequestProblem(const CaseInput& input)
{
    const bool waits = input.unborn || input.missing || input.unclear;
    if (input.together && (waits || !input.relatives.empty() || !input.later.empty() || input.estate)) {
        return "\"together\" is a case of its own: give each death's heirs under its \"counts\", and no other heirs, "
               "later deaths or estate";
    }
    if (!waits) return "";
    if (input.byPath) return "a case that waits is divided for the 21 heir codes only: give its heirs by their codes";
    if (!input.later.empty()) return "a case that waits is divided without later deaths";
    if (input.estate) return "the estate of a case that waits is not settled in money yet: give it without an estate";
    return "";
}

}  // namespace qismaru::calc
