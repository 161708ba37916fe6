#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "engine/successive_deaths.h"
#include "model/case_entry.h"

namespace qismaru::estate {

// Later deaths in a case file (format version 3), under "later":
//   [{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}, {"code": "si", "count": 1}],
//     "same": {"m": "1:w", "si": "1:d"}}]
// each later deceased's heirs in the order they were entered, as the first's.

struct LaterDeathEntry {
    GroupRef deceased;
    std::vector<HeirEntry> heirs;
    std::vector<SameLink> same;

    bool operator==(const LaterDeathEntry&) const = default;
};

LaterDeath laterDeathOf(const LaterDeathEntry& entry);

// A group of an earlier death as a case file and a batch line name it,
// "N:code"; nothing for any other value.
std::optional<GroupRef> groupRefIn(const nlohmann::json& value);

// The "same" links of a later death, {"m": "1:w"}, as a case file and a
// batch line give them, each reader saying in its own words why they are
// refused.
struct SameLinksReading {
    enum class Problem { None, NotLinks, UnknownCode } problem = Problem::None;
    std::string code;  // with UnknownCode: the code that names no kind of heirs
};

// Appends the links to `same`, in the order given, up to the first that is refused.
SameLinksReading readSameLinks(const nlohmann::json& value, std::vector<SameLink>& same);

// Reads the member; "" or why it is refused (English, naming the death).
// Each death's heirs must be ones the window could enter under the school.
std::string readLaterDeathEntries(const nlohmann::json& value, School school, std::vector<LaterDeathEntry>& later);

// Why the deaths cannot be joined as the file gives them (a reference to no
// group or to a dead one, a count that differs, ...), or "". A combined base
// beyond exact computation is no fault of the file, and is not refused here.
std::string laterDeathsProblem(const std::vector<HeirEntry>& first, const std::vector<LaterDeathEntry>& later,
                               const Positions& positions);

nlohmann::ordered_json laterDeathsToJson(const std::vector<LaterDeathEntry>& later);

}  // namespace qismaru::estate
