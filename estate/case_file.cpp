#include "estate/case_file.h"

#include <array>

#include <nlohmann/json.hpp>

namespace qismaru::estate {

namespace {

using nlohmann::json;

// A member of an object, or null when it is absent. A reference, never a
// copy: copying a hostile file's deeply nested value would recurse as deep.
const json& member(const json& object, const char* key)
{
    static const json absent;
    const auto it = object.find(key);
    return it == object.end() ? absent : *it;
}

CaseFileReading refused(CaseFileProblem problem, std::string detail)
{
    CaseFileReading reading;
    reading.problem = problem;
    reading.detail = std::move(detail);
    return reading;
}

// Why an entry cannot stand in the case built so far, or "".
std::string entryProblem(const json& entry, const std::array<bool, kHeirKindCount>& seen, const KindCounts& counts,
                         School school)
{
    if (!entry.is_object() || !entry.contains("code") || !entry.contains("count") || entry.size() != 2) {
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

CaseFileReading readHeirs(const json& heirs, CaseFile& file)
{
    if (!heirs.is_array()) return refused(CaseFileProblem::BadHeirs, "\"heirs\" must be a list");
    std::array<bool, kHeirKindCount> seen{};
    KindCounts counts;
    for (const json& entry : heirs) {
        std::string problem = entryProblem(entry, seen, counts, file.positions.school);
        if (!problem.empty()) return refused(CaseFileProblem::BadHeirs, std::move(problem));
        const HeirKind kind = *kindFromCode(entry["code"].get_ref<const std::string&>());
        const int count = entry["count"].get<int>();
        seen[indexOf(kind)] = true;
        counts.set(kind, count);
        file.heirs.push_back({kind, count});
    }
    return {};
}

// A switch is absent (off) or true or false; anything else is refused.
bool readSwitch(const json& document, const char* key, bool& value)
{
    const json& given = member(document, key);
    if (given.is_null()) return true;
    if (!given.is_boolean()) return false;
    value = given.get<bool>();
    return true;
}

CaseFileReading readPositions(const json& document, Positions& positions)
{
    if (const json& school = member(document, "school"); !school.is_null()) {
        const std::optional<School> known =
            school.is_string() ? schoolFromKey(school.get_ref<const std::string&>()) : std::nullopt;
        if (!known)
            return refused(CaseFileProblem::BadPositions, "\"school\" must be hanafi, maliki, shafii or hanbali");
        positions.school = *known;
    }
    if (!readSwitch(document, "spouseReturn", positions.spouseReturn) ||
        !readSwitch(document, "noReturn", positions.noReturn)) {
        return refused(CaseFileProblem::BadPositions, "\"spouseReturn\" and \"noReturn\" must be true or false");
    }
    if (std::string why = positionsProblemText(positions); !why.empty()) {
        return refused(CaseFileProblem::BadPositions, std::move(why));
    }
    return {};
}

}  // namespace

CaseFileReading readCaseFile(std::string_view text)
{
    if (text.size() > kMaxCaseFileBytes)
        return refused(CaseFileProblem::TooLarge, "the file is too large for a case file");
    const json document = json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (document.is_discarded()) return refused(CaseFileProblem::NotJson, "the file is not JSON");
    if (!document.is_object() || !document.contains("format") || document["format"] != kCaseFileFormat) {
        return refused(CaseFileProblem::NotACaseFile, "the file is not a Qismaru case file");
    }
    const json& version = member(document, "version");
    const bool hasVersion =
        version.is_number_unsigned() ? version.get<std::uint64_t>() >= 1 : wholeWithin(version, 1, 1);
    if (!hasVersion) {
        return refused(CaseFileProblem::NotACaseFile, "the case file has no valid format version");
    }
    if (!wholeWithin(version, 1, kCaseFileVersion)) {
        return refused(CaseFileProblem::NewerVersion,
                       "the case file has format version " + version.dump().substr(0, 20) +
                           ", newer than this program reads (" + std::to_string(kCaseFileVersion) + ")");
    }

    CaseFile file;
    // The school first: it says how many grandmothers the heirs may hold.
    CaseFileReading positions = readPositions(document, file.positions);
    if (positions.problem != CaseFileProblem::None) return positions;
    CaseFileReading heirs = readHeirs(member(document, "heirs"), file);
    if (heirs.problem != CaseFileProblem::None) return heirs;
    if (const json& estateObject = member(document, "estate"); !estateObject.is_null()) {
        EstateReading estate = estateFromJson(estateObject);
        if (!estate.ok()) {
            CaseFileReading bad = refused(CaseFileProblem::BadEstate, estate.error);
            bad.estate = std::move(estate);
            return bad;
        }
        file.estate = std::move(*estate.inputs);
    }
    CaseFileReading reading;
    reading.file = std::move(file);
    return reading;
}

std::string caseFileText(const CaseFile& file)
{
    nlohmann::ordered_json document;
    const bool hanafiAlone = file.positions == Positions{};
    document["format"] = kCaseFileFormat;
    document["version"] = hanafiAlone ? 1 : kCaseFileVersion;
    if (!hanafiAlone) {
        document["school"] = schoolInfo(file.positions.school).key;
        document["spouseReturn"] = file.positions.spouseReturn;
        document["noReturn"] = file.positions.noReturn;
    }
    document["heirs"] = nlohmann::ordered_json::array();
    for (const HeirEntry& heir : file.heirs) {
        document["heirs"].push_back({{"code", infoOf(heir.kind).code}, {"count", heir.count}});
    }
    if (file.estate) document["estate"] = estateToJson(*file.estate);
    return document.dump(2) + "\n";
}

std::string arabicProblemText(const CaseFileReading& reading)
{
    switch (reading.problem) {
    case CaseFileProblem::None: return "";
    case CaseFileProblem::TooLarge: return "هذا الملف أكبر من أن يكون ملف مسألة من قسمارو، فلم يفتح.";
    case CaseFileProblem::NotJson:
    case CaseFileProblem::NotACaseFile: return "هذا الملف ليس ملف مسألة من قسمارو، أو أنه تالف، فلم يفتح.";
    case CaseFileProblem::NewerVersion:
        return "هذا الملف محفوظ بصيغة أحدث مما يقرؤه هذا الإصدار من قسمارو، فلم يفتح. افتحه بإصدار أحدث من البرنامج.";
    case CaseFileProblem::BadHeirs:
        return "قائمة الورثة في هذا الملف غير صحيحة (وارث مجهول أو مكرر، أو عدد غير مقبول، أو زوج مع زوجات)، فلم يفتح.";
    case CaseFileProblem::BadEstate:
        if (reading.estate.field) {
            return "بيانات التركة في هذا الملف غير صحيحة، فلم يفتح: " +
                   arabicProblemText(reading.estate.amountProblem, *reading.estate.field, reading.estate.decimals);
        }
        return "بيانات التركة في هذا الملف غير صحيحة، فلم يفتح.";
    case CaseFileProblem::BadPositions: return "المذهب أو أحد القولين في الرد المحفوظ في هذا الملف غير صحيح، فلم يفتح.";
    }
    return "";
}

}  // namespace qismaru::estate
