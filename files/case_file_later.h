#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "engine/combined_base.h"
#include "model/case_entry.h"

namespace qismaru::estate {

// Later deaths in a case file (format version 3), under "later":
//   [{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}, {"code": "si", "count": 1}],
//     "same": {"m": "1:w", "si": "1:d"}}]
// each later deceased's heirs in the order they were entered, as the first's.
// From format version 4 a later death may hold relatives by path after its
// heirs, as the first does, and its references may name relatives by path:
//   {"deceased": "1:s.s", "heirs": [], "relatives": [{"path": "m.m", "count": 1}],
//    "same": {"f.m": "1:m"}}

struct LaterDeathEntry {
    GroupRef deceased;
    std::vector<HeirEntry> heirs;
    std::vector<SameLink> same;
    std::vector<RelativeEntry> relatives{};

    // Whether it is written only by a format from version 4.
    bool needsVersion4() const;
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

// Why the later deaths of a file are refused, naming the death (2 for the
// first later one): what is wrong with its entry as written, or why it does
// not join the deaths before it, with the cases joined, which name the
// persons. One fault, worded in English for the calculator and in Arabic for
// the window and the web page.
struct LaterDeathsFault {
    enum class Entry : std::uint8_t {
        None,  // the entries are read; `refusal` says why they do not join
        NotAnObject,
        UnknownMember,
        NoDeceased,  // "deceased" names no group as "N:code"
        NoHeirs,
        BadHeirs,  // heirs the window could not enter under the school
        BadSame,
        NeedsVersion3,  // later deaths in a file of an older format
    } entry = Entry::None;
    int death = 0;
    std::string english;  // "death 2: ...", or "" when there is no fault
    DeathsRefusal refusal{};
    std::vector<DeathCase> deaths{};

    bool refused() const { return !english.empty(); }
};

// Why the file is refused, in Arabic: "لا تجتمع الوفيات قبل القسمة في هذا
// الملف، فلم يفتح: الابن في المسألة الأولى رجل، فلا يكون له زوج."
std::string arabicFaultText(const LaterDeathsFault& fault);

// Reads the member; each death's heirs must be ones the window could enter
// under the school.
LaterDeathsFault readLaterDeathEntries(const nlohmann::json& value, School school, std::vector<LaterDeathEntry>& later);

// Why the deaths cannot be joined as the file gives them (a reference to no
// group or to a dead one, a count that differs, ...). A combined base beyond
// exact computation is no fault of the file, and is not refused here.
LaterDeathsFault laterDeathsProblem(const std::vector<HeirEntry>& first, const std::vector<RelativeEntry>& relatives,
                                    const std::vector<LaterDeathEntry>& later, const Positions& positions);

nlohmann::ordered_json laterDeathsToJson(const std::vector<LaterDeathEntry>& later);

}  // namespace qismaru::estate
