#include "files/case_file_later.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "engine/combined_base.h"
#include "files/estate_json.h"
#include "files/heir_entries.h"
#include "files/relative_entries.h"
#include "present/combined_sentences.h"
#include "present/deaths_refusal_text.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

using Entry = LaterDeathsFault::Entry;

LaterDeathsFault entryFault(Entry entry, std::string why)
{
    LaterDeathsFault fault;
    fault.entry = entry;
    fault.english = std::move(why);
    return fault;
}

LaterDeathsFault readEntry(const json& value, School school, LaterDeathEntry& entry)
{
    if (!value.is_object()) return entryFault(Entry::NotAnObject, "a later death must be an object");
    for (const auto& [name, member] : value.items()) {
        if (name != "deceased" && name != "heirs" && name != "same" && name != "relatives")
            return entryFault(Entry::UnknownMember, "unknown member '" + name.substr(0, 20) + "'");
    }
    const std::optional<GroupRef> deceased = value.contains("deceased") ? groupRefIn(value["deceased"]) : std::nullopt;
    if (!deceased) return entryFault(Entry::NoDeceased, "\"deceased\" must name a group as \"N:code\"");
    entry.deceased = *deceased;
    if (!value.contains("heirs")) return entryFault(Entry::NoHeirs, "a later death must give its \"heirs\"");
    if (std::string why = readHeirEntries(value["heirs"], school, entry.heirs); !why.empty())
        return entryFault(Entry::BadHeirs, std::move(why));
    if (value.contains("relatives")) {
        if (std::string why = readRelativeEntries(value["relatives"], entry.heirs, entry.relatives); !why.empty())
            return entryFault(Entry::BadHeirs, std::move(why));
    }
    if (entry.heirs.empty() && entry.relatives.empty())
        return entryFault(Entry::NoHeirs, "a later deceased must leave heirs");
    if (value.contains("same") && readSameLinks(value["same"], entry.same).problem != SameLinksReading::Problem::None) {
        return entryFault(Entry::BadSame, "\"same\" must link heir codes to groups \"N:code\"");
    }
    return {};
}

// What is wrong with a death's entry, in the words the window shows.
const char* entrySentence(Entry entry)
{
    switch (entry) {
    case Entry::None:
    case Entry::NeedsVersion3: break;
    case Entry::NotAnObject: return "ليست على الصورة التي يكتبها قسمارو.";
    case Entry::UnknownMember: return "فيها حقل لا يكتبه قسمارو.";
    case Entry::NoDeceased: return "لم يُذكر من مات من ورثة ما قبلها.";
    case Entry::NoHeirs: return "لم يُذكر ورثة الميت.";
    case Entry::BadHeirs: return "ورثة الميت غير صحيحين (وارث مجهول أو مكرر، أو عدد غير مقبول، أو زوج مع زوجات).";
    case Entry::BadSame: return "الإحالة من ورثة الميت إلى ورثة ما قبلها غير صحيحة.";
    }
    return "";
}

}  // namespace

bool LaterDeathEntry::needsVersion4() const
{
    const auto byPath = [](const SameLink& link) { return !link.path.empty() || link.earlier.byPath(); };
    return !relatives.empty() || deceased.byPath() || std::any_of(same.begin(), same.end(), byPath);
}

// With relatives by path, his heirs are all entries of a case by path, the
// buttons' heirs first, as the first deceased's are.
LaterDeath laterDeathOf(const LaterDeathEntry& entry)
{
    if (entry.relatives.empty()) return {entry.deceased, countsOf(entry.heirs), entry.same};
    std::vector<RelativeEntry> all = entriesOfHeirs(entry.heirs);
    all.insert(all.end(), entry.relatives.begin(), entry.relatives.end());
    return {entry.deceased, {}, entry.same, std::move(all)};
}

std::optional<GroupRef> groupRefIn(const json& value)
{
    return value.is_string() ? refFromText(value.get_ref<const std::string&>()) : std::nullopt;
}

SameLinksReading readSameLinks(const json& value, std::vector<SameLink>& same)
{
    using Problem = SameLinksReading::Problem;
    if (!value.is_object()) return {Problem::NotLinks, {}};
    for (const auto& [code, earlier] : value.items()) {
        // A kind's code, or the path of an entry of a death given by path.
        const std::optional<GroupRef> heirs = groupFromText(1, code);
        if (!heirs) return {Problem::UnknownCode, code};
        const std::optional<GroupRef> ref = groupRefIn(earlier);
        if (!ref) return {Problem::NotLinks, {}};
        same.push_back({heirs->kind, *ref, heirs->path, heirs->label});
    }
    return {};
}

LaterDeathsFault readLaterDeathEntries(const json& value, School school, std::vector<LaterDeathEntry>& later)
{
    if (!value.is_array()) return entryFault(Entry::NotAnObject, "\"later\" must be a list");
    for (const json& item : value) {
        const int death = static_cast<int>(later.size()) + 2;
        LaterDeathsFault fault = readEntry(item, school, later.emplace_back());
        if (!fault.refused()) continue;
        fault.death = death;
        fault.english = "death " + std::to_string(death) + ": " + fault.english;
        return fault;
    }
    return {};
}

LaterDeathsFault laterDeathsProblem(const std::vector<HeirEntry>& first, const std::vector<RelativeEntry>& relatives,
                                    const std::vector<LaterDeathEntry>& later, const Positions& positions)
{
    std::vector<LaterDeath> deaths;
    for (const LaterDeathEntry& entry : later) deaths.push_back(laterDeathOf(entry));
    std::vector<RelativeEntry> firstByPath;
    if (!relatives.empty()) {
        firstByPath = entriesOfHeirs(first);
        firstByPath.insert(firstByPath.end(), relatives.begin(), relatives.end());
    }
    CombinedComputation c = relatives.empty() ? computeSuccessiveDeaths(countsOf(first), deaths, positions)
                                              : computeSuccessiveDeaths(firstByPath, deaths, positions);
    const DeathsProblem problem = c.refusal.problem;
    if (!c.refusal.refused() || problem == DeathsProblem::CaseBeyondExactRange ||
        problem == DeathsProblem::CombinedBeyondExactRange) {
        return {};
    }
    LaterDeathsFault fault;
    fault.death = c.refusal.death;
    fault.english = englishRefusalText(c.refusal, c.deaths);
    fault.refusal = c.refusal;
    fault.deaths = std::move(c.deaths);
    return fault;
}

std::string arabicFaultText(const LaterDeathsFault& fault)
{
    if (fault.entry == Entry::None) {
        return "لا تجتمع الوفيات قبل القسمة في هذا الملف، فلم يفتح: " +
               arabicRefusalReason(fault.refusal, fault.deaths);
    }
    const std::string refused = "الوفيات قبل القسمة في هذا الملف غير صحيحة، فلم يفتح";
    if (fault.entry == Entry::NeedsVersion3 || fault.death == 0) return refused + ".";
    return refused + ": في الوفاة " + caseOrdinal(fault.death) + "، " + entrySentence(fault.entry);
}

nlohmann::ordered_json laterDeathsToJson(const std::vector<LaterDeathEntry>& later)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LaterDeathEntry& entry : later) {
        nlohmann::ordered_json death;
        death["deceased"] = refText(entry.deceased);
        death["heirs"] = heirEntriesToJson(entry.heirs);
        death["same"] = nlohmann::ordered_json::object();
        for (const SameLink& link : entry.same) death["same"][groupText(link.heirsAt(1))] = refText(link.earlier);
        if (!entry.relatives.empty()) death["relatives"] = relativeEntriesToJson(entry.relatives);
        list.push_back(std::move(death));
    }
    return list;
}

}  // namespace qismaru::estate
