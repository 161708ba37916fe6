#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/waiting_case.h"

namespace qismaru::estate {

// The notation of a case that waits, as a batch line and a case file write
// it, each member read whole; every reader returns why the member is
// refused, or "".
//   "unborn":  {"as": "s", "most": 2}                 a child not yet born
//              ("certain": true: what is certain asked for before the birth)
//   "missing": {"path": "s", "count": 1}              heirs whose life is unknown
//   "khuntha": {"as": "s", "count": 1, "hope": true}  heirs whose sex is not clear
std::string readUnbornMember(const nlohmann::json& value, std::optional<UnbornChild>& unborn);
std::string readMissingMember(const nlohmann::json& value, std::optional<MissingHeirs>& missing);
std::string readKhunthaMember(const nlohmann::json& value, std::optional<UnclearHeirs>& unclear);

// What waits in a case, and the outcome once it is known and recorded
// ("1m", "alive", "male", ... as the division names it; "" while it waits).
struct WaitingEntry {
    std::optional<UnbornChild> unborn{};
    std::optional<MissingHeirs> missing{};
    std::optional<UnclearHeirs> unclear{};
    std::string outcome{};

    bool waits() const { return unborn || missing || unclear; }
};

// A case file's "waiting": {"unborn": {...}, "missing": {...}, "khuntha": {...}, "outcome": "1m"}.
std::string readWaitingEntry(const nlohmann::json& value, WaitingEntry& entry);
nlohmann::ordered_json waitingEntryToJson(const WaitingEntry& entry);
// Two entries are one when they are written alike.
inline bool operator==(const WaitingEntry& a, const WaitingEntry& b)
{
    return waitingEntryToJson(a) == waitingEntryToJson(b);
}

// Why a recorded outcome does not fit the case (no such outcome of what
// waits); "" when it does or none is recorded.
std::string outcomeProblem(const WaitingEntry& entry, const KindCounts& counts, const Positions& positions);

// The relation a path (or heir code) names; for the unborn and the khuntha
// (`unclearOnly`), only one in its male form that may be either. Nothing,
// with why in `why`, for another.
std::optional<WaitingRelation> waitingRelationOf(std::string_view path, bool unclearOnly, std::string_view member,
                                                 std::string& why);

// A whole number from `least` to `most`, as JSON or as the command line writes it.
std::optional<int> countWithin(const nlohmann::json& value, int least, int most);
std::optional<int> countWithin(std::string_view text, int least, int most);
std::string rangeText(std::string_view what, int least, int most);

// A text as a message quotes it: short, in single quotes.
std::string inQuotes(std::string_view text);

// Runs `read` on each member of an object, refusing a member it does not know.
template <typename Read>
std::string eachMember(const nlohmann::json& value, std::string_view name, std::string_view example, Read read)
{
    // Appended piece by piece: GCC 12 sees overlapping copies in the chain
    // of operator+ here that are not there (-Wrestrict).
    std::string why;
    if (!value.is_object()) {
        return why.append("\"").append(name).append("\" must be an object such as ").append(example);
    }
    for (const auto& [key, member] : value.items()) {
        const std::optional<std::string> said = read(key, member);
        if (!said) {
            return why.append("unknown member ")
                .append(inQuotes(key))
                .append(" in \"")
                .append(name)
                .append("\" (such as ")
                .append(example)
                .append(")");
        }
        if (!said->empty()) return *said;
    }
    return why;
}

}  // namespace qismaru::estate
