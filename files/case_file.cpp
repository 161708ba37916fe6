#include "files/case_file.h"
#include "files/case_file_waiting.h"

#include <algorithm>
#include <array>

#include <nlohmann/json.hpp>

#include "files/heir_entries.h"
#include "files/json_document.h"
#include "files/relative_entries.h"
#include "present/deaths_refusal_text.h"
#include "present/utf8_text.h"

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

// The members a case file may hold at its top level; an heir entry's are
// the heir list's (heir_entries.h), the estate's the estate reader's. A new member is one row here
// and its reading below; a file with a member no row names is refused, so
// that a misspelt name is not silently passed over.
constexpr std::string_view kFileMembers[] = {"format", "version", "school",    "spouseReturn",  "noReturn", "heirs",
                                             "estate", "later",   "relatives", "kindredMethod", "waiting"};

// The version that keeps relatives by path and the rule among distant kindred.
constexpr int kRelativesVersion = 4;

CaseFileReading refused(CaseFileProblem problem, std::string detail)
{
    CaseFileReading reading;
    reading.problem = problem;
    reading.detail = std::move(detail);
    return reading;
}

// A member's name as a message shows it: short, and without control characters.
std::string shownName(const std::string& name) { return printableText(name, 40); }

template <std::size_t N>
const std::string* unknownMember(const json& object, const std::string_view (&known)[N])
{
    for (const auto& [name, value] : object.items()) {
        if (std::find(std::begin(known), std::end(known), name) == std::end(known)) return &name;
    }
    return nullptr;
}

// Why the text is not a JSON document that can be read in only one way.
CaseFileReading refusedDocument(const JsonDocument& document)
{
    switch (document.problem) {
    case JsonProblem::NulByte: return refused(CaseFileProblem::NotText, "the file holds " + document.error);
    case JsonProblem::RepeatedMember: {
        CaseFileReading reading = refused(CaseFileProblem::RepeatedMember, "in the file, " + document.error);
        reading.member = shownName(document.repeatedMember);
        return reading;
    }
    case JsonProblem::TooDeep: return refused(CaseFileProblem::NotJson, "the file is " + document.error);
    default: return refused(CaseFileProblem::NotJson, "the file is not JSON");
    }
}

CaseFileReading readHeirs(const json& heirs, CaseFile& file)
{
    std::string problem = readHeirEntries(heirs, file.positions.school, file.heirs);
    return problem.empty() ? CaseFileReading{} : refused(CaseFileProblem::BadHeirs, std::move(problem));
}

// Abu Yusuf's rule among distant kindred, written only when it is chosen,
// and only the Hanafi school's.
CaseFileReading readKindredMethod(const json& given, Positions& positions)
{
    if (given.is_null()) return {};
    const std::optional<KindredMethod> method =
        given.is_string() ? kindredMethodFromKey(given.get_ref<const std::string&>()) : std::nullopt;
    if (method != KindredMethod::AbuYusuf || positions.school != School::Hanafi) {
        return refused(CaseFileProblem::BadPositions,
                       "\"kindredMethod\" is written only as \"abu-yusuf\", and only "
                       "for the hanafi school");
    }
    positions.kindredMethod = *method;
    return {};
}

CaseFileReading readRelatives(const json& relatives, CaseFile& file)
{
    std::string problem = readRelativeEntries(relatives, file.heirs, file.relatives);
    return problem.empty() ? CaseFileReading{} : refused(CaseFileProblem::BadHeirs, std::move(problem));
}

// The members a version before 4 does not have.
CaseFileReading readNeedsVersion4(const json& document, int version)
{
    if (version >= kRelativesVersion) return {};
    if (document.contains("relatives")) {
        return refused(CaseFileProblem::BadHeirs, "relatives by path need format version 4");
    }
    if (document.contains("kindredMethod")) {
        return refused(CaseFileProblem::BadPositions, "\"kindredMethod\" needs format version 4");
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
    return readKindredMethod(member(document, "kindredMethod"), positions);
}

CaseFileReading readLater(const json& later, int version, CaseFile& file)
{
    LaterDeathsFault fault;
    if (version < 3) {
        fault.entry = LaterDeathsFault::Entry::NeedsVersion3;
        fault.english = "later deaths need format version 3";
    }
    // Refused before a death is read: a file may hold thousands.
    if (!fault.refused() && later.is_array() && later.size() > kMaxLaterDeaths) {
        return refused(CaseFileProblem::TooManyLaterDeaths, englishTooManyDeathsText());
    }
    if (!fault.refused()) fault = readLaterDeathEntries(later, file.positions.school, file.later);
    const auto byPath = [](const LaterDeathEntry& entry) { return entry.needsVersion4(); };
    if (!fault.refused() && version < kRelativesVersion && std::any_of(file.later.begin(), file.later.end(), byPath)) {
        fault.entry = LaterDeathsFault::Entry::NeedsVersion3;
        fault.english = "later deaths by path need format version 4";
    }
    if (!fault.refused()) fault = laterDeathsProblem(file.heirs, file.relatives, file.later, file.positions);
    if (!fault.refused()) return {};
    CaseFileReading reading = refused(CaseFileProblem::BadLaterDeaths, fault.english);
    reading.later = std::move(fault);
    return reading;
}

// The case a file of a known version holds, member by member, in the order
// one member's reading needs another's.
CaseFileReading readCase(const json& document, int version)
{
    CaseFile file;
    CaseFileReading newer = readNeedsVersion4(document, version);
    if (newer.problem != CaseFileProblem::None) return newer;
    // The school first: it says how many grandmothers the heirs may hold.
    CaseFileReading positions = readPositions(document, file.positions);
    if (positions.problem != CaseFileProblem::None) return positions;
    CaseFileReading heirs = readHeirs(member(document, "heirs"), file);
    if (heirs.problem != CaseFileProblem::None) return heirs;
    // The relatives before the later deaths, which may name them.
    if (const json& relatives = member(document, "relatives"); !relatives.is_null()) {
        CaseFileReading read = readRelatives(relatives, file);
        if (read.problem != CaseFileProblem::None) return read;
    }
    if (const json& later = member(document, "later"); !later.is_null()) {
        CaseFileReading deaths = readLater(later, version, file);
        if (deaths.problem != CaseFileProblem::None) return deaths;
    }
    if (const json& waiting = member(document, "waiting"); !waiting.is_null()) {
        std::string why = readWaitingOfFile(waiting, version, file);
        if (!why.empty()) return refused(CaseFileProblem::BadWaiting, std::move(why));
    }
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

}  // namespace

CaseFileReading readCaseFile(std::string_view text)
{
    if (text.size() > kMaxCaseFileBytes)
        return refused(CaseFileProblem::TooLarge, "the file is too large for a case file");
    const JsonDocument read = readJsonDocument(text);
    if (!read.ok()) return refusedDocument(read);
    const json& document = read.root;
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

    // After the version: a later format may well have members this one lacks.
    if (const std::string* unknown = unknownMember(document, kFileMembers)) {
        CaseFileReading reading =
            refused(CaseFileProblem::UnknownMember, "the case file has a member '" + shownName(*unknown) +
                                                        "' that no Qismaru writes (a misspelt name?)");
        reading.member = shownName(*unknown);
        return reading;
    }

    return readCase(document, version.get<int>());
}

CaseFileReading readCaseFileAt(const std::string& path)
{
    std::string text;
    // One byte more than a case file may hold tells a case file from a larger one.
    const DiskOutcome disk = readRegularFile(path, kMaxCaseFileBytes + 1, text);
    if (!disk.ok()) {
        CaseFileReading reading = refused(CaseFileProblem::Unreadable, englishDiskText(disk));
        reading.disk = disk;
        return reading;
    }
    CaseFileReading reading = readCaseFile(text);
    reading.disk = disk;
    return reading;
}

std::string caseFileText(const CaseFile& file)
{
    nlohmann::ordered_json document;
    const bool hanafiAlone = file.positions == Positions{};
    const bool abuYusuf = file.positions.kindredMethod == KindredMethod::AbuYusuf;
    document["format"] = kCaseFileFormat;
    const bool laterByPath = std::any_of(file.later.begin(), file.later.end(),
                                         [](const LaterDeathEntry& entry) { return entry.needsVersion4(); });
    document["version"] = file.waiting                                         ? kWaitingVersion
                          : !file.relatives.empty() || abuYusuf || laterByPath ? kRelativesVersion
                          : !file.later.empty()                                ? 3
                          : hanafiAlone                                        ? 1
                                                                               : 2;
    if (!hanafiAlone) {
        document["school"] = schoolInfo(file.positions.school).key;
        document["spouseReturn"] = file.positions.spouseReturn;
        document["noReturn"] = file.positions.noReturn;
    }
    if (abuYusuf) document["kindredMethod"] = kindredMethodKey(file.positions.kindredMethod);
    document["heirs"] = heirEntriesToJson(file.heirs);
    if (!file.relatives.empty()) document["relatives"] = relativeEntriesToJson(file.relatives);
    if (!file.later.empty()) document["later"] = laterDeathsToJson(file.later);
    if (file.waiting) document["waiting"] = waitingEntryToJson(*file.waiting);
    if (file.estate) document["estate"] = estateToJson(*file.estate);
    return document.dump(2) + "\n";
}

std::string arabicProblemText(const CaseFileReading& reading)
{
    switch (reading.problem) {
    case CaseFileProblem::None: return "";
    case CaseFileProblem::Unreadable: return "تعذر فتح الملف: " + arabicDiskText(reading.disk) + ".";
    case CaseFileProblem::NotText: return "هذا الملف ليس نصاً خالصاً (فيه بايت صفري)، وملف المسألة نص، فلم يفتح.";
    case CaseFileProblem::RepeatedMember:
        return "يتكرر في هذا الملف الحقل \"" + reading.member + "\"، فلا يُدرى أي القيمتين هي المقصودة، فلم يفتح.";
    case CaseFileProblem::UnknownMember:
        return "في هذا الملف حقل لا يكتبه قسمارو: \"" + reading.member + "\"، ولعل اسمه كتب خطأ، فلم يفتح.";
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
    case CaseFileProblem::BadLaterDeaths: return arabicFaultText(reading.later);
    case CaseFileProblem::TooManyLaterDeaths: return arabicTooManyDeathsText() + "، وفي هذا الملف أكثر منها، فلم يفتح.";
    case CaseFileProblem::BadWaiting:
        return "بيانات الحمل أو المفقود أو الخنثى في هذا الملف غير صحيحة، أو الحال المسجلة لا توافقها، فلم يفتح.";
    }
    return "";
}

}  // namespace qismaru::estate
