#include "calc/waiting_input.h"

#include <algorithm>
#include <cctype>

#include <nlohmann/json.hpp>

#include "calc/case_input.h"
#include "files/json_document.h"
#include "files/waiting_entries.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

using estate::countWithin;
using estate::eachMember;
using estate::rangeText;
using estate::waitingRelationOf;

namespace {

using nlohmann::json;

constexpr std::size_t kMostDeathsTogether = kMaxLaterDeaths;

}  // namespace

std::string readOutcomeMember(const json& value, std::string& outcome)
{
    if (!value.is_string() || value.get_ref<const std::string&>().empty())
        return "\"outcome\" must be an outcome's name such as \"1m\", \"alive\" or \"male\"";
    outcome = value.get<std::string>();
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
    const std::string why =
        eachMember(value, "together", R"({"deaths": [...], "relations": {"A": {"B": "b"}}, "dispute": false})",
                   [&](const std::string& key, const json& member) -> std::optional<std::string> {
                       if (key == "deaths") return readDeaths(line, member, read, readCounts);
                       if (key == "relations") return readRelations(member, read.relations);
                       if (key != "dispute") return std::nullopt;
                       if (!member.is_boolean()) return "\"dispute\" of \"together\" must be true or false";
                       read.heirsDispute = member.get<bool>();
                       return "";
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
    relation = waitingRelationOf(written.substr(0, eq), unclearOnly, option, why);
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
    if (options.unbornCertain && !options.unborn) return "--unborn-certain goes with --unborn";
    if (options.khunthaHopeless && !options.khuntha) return "--khuntha-hopeless goes with --khuntha";
    if (options.unborn) {
        int most = 0;
        std::string why;
        relation = waitingRelationOf(*options.unborn, true, "--unborn", why);
        if (!relation) return why;
        if (options.unbornMost) {
            const std::optional<int> n = countWithin(std::string_view(*options.unbornMost), 1, kMostChildren);
            if (!n) return rangeText("--unborn-most", 1, kMostChildren);
            most = *n;
        }
        input.unborn = UnbornChild{*relation, most, options.unbornCertain};
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
    if (!input.outcome.empty() && !waits)
        return "an outcome is recorded for an unborn child, missing heirs or a khuntha";
    if (input.together && (waits || !input.relatives.empty() || !input.later.empty() || input.estate)) {
        return "\"together\" is a case of its own: give each death's heirs under its \"counts\", and no other heirs, "
               "later deaths or estate";
    }
    if (!waits) return "";
    if (input.byPath) return "a case that waits is divided for the 21 heir codes only: give its heirs by their codes";
    if (!input.later.empty()) return "a case that waits is divided without later deaths";
    return "";
}

}  // namespace qismaru::calc
