#include "calc/case_json.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "calc/estate_output.h"
#include "calc/steps_json.h"
#include "present/relative_names.h"
#include "present/result_table.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

const char* const kBeyondExactRangeError =
    "the corrected base of this case passes 2^53 (9007199254740992), beyond which parts cannot be "
    "computed exactly; no table is given";

void writeCounts(JsonWriter& json, const KindCounts& counts)
{
    json.key("counts");
    json.beginObject();
    for (const HeirKindInfo& info : heirKinds()) {
        if (!counts.has(info.kind)) continue;
        json.key(info.code);
        json.value(counts.of(info.kind));
    }
    json.endObject();
}

namespace {

// A case by path is written back as it was given, paths and labels kept.
void writeCountsSection(JsonWriter& json, const DeathResult& death)
{
    if (!death.byPath) {
        writeCounts(json, death.counts);
        return;
    }
    json.key("counts");
    json.beginObject();
    for (const RelativeEntry& e : death.relatives) {
        json.key(e.writtenWithLabel());
        json.value(e.count);
    }
    json.endObject();
}

}  // namespace

// One written text per combination: every line of a batch carries them.
void writeSchool(JsonWriter& json, const Positions& p)
{
    static const std::array<std::string, kSchoolCount* 4> texts = [] {
        std::array<std::string, kSchoolCount * 4> all;
        for (const SchoolInfo& info : kSchools) {
            for (int switches = 0; switches < 4; ++switches) {
                JsonWriter w;
                w.beginObject();
                w.key("school");
                w.value(info.key);
                w.key("positions");
                w.beginObject();
                w.key("spouseReturn");
                w.value((switches & 1) != 0);
                w.key("noReturn");
                w.value((switches & 2) != 0);
                w.endObject();
                w.endObject();
                std::string text = w.take();
                // The members alone, without the braces around them.
                all[static_cast<std::size_t>(static_cast<int>(info.school) * 4 + switches)] =
                    text.substr(1, text.size() - 2);
            }
        }
        return all;
    }();
    json.written(texts[static_cast<std::size_t>(static_cast<int>(p.school) * 4 + (p.spouseReturn ? 1 : 0) +
                                                (p.noReturn ? 2 : 0))]);
    // Only where it was asked for: every other answer stays as it was written.
    if (p.kindredMethod != KindredMethod::Muhammad) {
        json.key("kindredMethod");
        json.value(kindredMethodKey(p.kindredMethod));
    }
}

namespace {

void writeSchoolSection(JsonWriter& json, const DeathResult& death) { writeSchool(json, death.computation.positions); }

void writeStopped(JsonWriter& json, const DeathResult& death)
{
    json.key("stopped");
    json.value(death.computation.stopped());
}

void writeMessages(JsonWriter& json, const DeathResult& death)
{
    json.key("messages");
    json.beginArray();
    for (const CaseMessage message : death.computation.messages) json.value(messageText(message));
    json.endArray();
}

void writeShare(JsonWriter& json, std::string_view code, const ShareResult& share)
{
    json.key(code);
    json.beginObject();
    json.key("value");
    json.value(share.value);
    json.key("numerator");
    json.value(share.numerator);
    json.key("denominator");
    json.value(share.denominator);
    json.key("label");
    json.value(labelText(share.label));
    json.endObject();
}

bool nothing(const ShareResult& share)
{
    return share.value == 0.0 && !std::signbit(share.value) && share.numerator == 0 && share.denominator == 0 &&
           share.label == ShareLabel::None;
}

// Most kinds receive nothing in a given case: their member is the same text
// every time, written once.
const std::array<std::string, kHeirKindCount>& sharesOfNothing()
{
    static const std::array<std::string, kHeirKindCount> texts = [] {
        std::array<std::string, kHeirKindCount> result;
        for (const HeirKindInfo& info : heirKinds()) {
            JsonWriter json;
            writeShare(json, info.code, ShareResult{});
            result[indexOf(info.kind)] = json.take();
        }
        return result;
    }();
    return texts;
}

void writeShares(JsonWriter& json, const DeathResult& death)
{
    if (death.byPath) return;  // the kinds a case by path is divided over are no names of its heirs
    const CaseResult& result = death.computation.result;
    const auto& nothingTexts = sharesOfNothing();
    json.key("shares");
    json.beginObject();
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = result[info.kind];
        if (nothing(share)) {
            json.written(nothingTexts[indexOf(info.kind)]);
        } else {
            writeShare(json, info.code, share);
        }
    }
    json.endObject();
}

void writeCaseWide(JsonWriter& json, const DeathResult& death)
{
    const CaseResult& r = death.computation.result;
    json.key("Base");
    json.value(r.base);
    const std::pair<const char*, double> values[] = {{"Correction", r.correction},
                                                     {"ShareScale", r.shareScale},
                                                     {"BaseDivisor", r.baseDivisor},
                                                     {"ReturnFactor", r.returnFactor},
                                                     {"SpouseScale", r.spouseScale}};
    for (const auto& [name, value] : values) {
        json.key(name);
        json.value(value);
    }
}

void writePlacedText(JsonWriter& json, int x, int y, const std::string& text)
{
    json.beginObject();
    json.key("x");
    json.value(x);
    json.key("y");
    json.value(y);
    json.key("text");
    json.value(text);
    json.endObject();
}

// The table's texts in drawing order (rows, header, totals); none after a
// validation stop.
void writeTable(JsonWriter& json, const char* name, const DeathResult& death, TableMedium medium)
{
    json.key(name);
    json.beginArray();
    if (death.computation.outcome == CaseOutcome::Computed) {
        const ResultTable table = death.byPath ? buildResultTable(death.relatives, *death.byPath, medium)
                                               : buildResultTable(death.counts, death.computation.result, medium);
        table.forEachPlaced([&json](int x, int y, const std::string& text) { writePlacedText(json, x, y, text); });
    }
    json.endArray();
}

void writeEstate(JsonWriter& json, const DeathResult& death)
{
    if (!death.settlement) return;
    if (death.byPath) {
        writeEstateJson(json, *death.settlement, death.byPath->resolution.capacities.counts, death.relatives);
    } else {
        writeEstateJson(json, *death.settlement, death.settledHeirs ? *death.settledHeirs : death.counts);
    }
}

void writeScreen(JsonWriter& json, const DeathResult& death) { writeTable(json, "screen", death, TableMedium::Screen); }
void writePrint(JsonWriter& json, const DeathResult& death) { writeTable(json, "print", death, TableMedium::Paper); }

// Every heir as entered (for the 21 kinds, in the order of the table's rows),
// the excluded ones with no parts: what a script reads each heir's share by.
void writeHeirs(JsonWriter& json, const DeathResult& death)
{
    const bool divided = death.computation.outcome == CaseOutcome::Computed;
    const std::int64_t corrected = !divided       ? 0
                                   : death.byPath ? death.byPath->correctedBase()
                                                  : death.computation.result.finalBase;
    json.key("corrected");
    json.value(corrected);
    json.key("heirs");
    json.beginArray();
    const bool sexGiven = uterineSexGiven(death.relatives);
    const auto row = [&](const RelativeEntry& e, std::int64_t perHead) {
        const std::int64_t parts = perHead * e.count;
        json.beginObject();
        json.key("path");
        json.value(e.written());
        json.key("label");
        json.value(e.label);
        json.key("name");
        json.value(relativeName(e.path, {1, Nominative, false, sexGiven}));
        json.key("count");
        json.value(e.count);
        json.key("parts");
        json.value(parts);
        json.key("fraction");
        json.value(divided ? Fraction::of(parts, corrected).text() : "0");
        json.key("perHead");
        json.value(divided ? Fraction::of(perHead, corrected).text() : "0");
        json.endObject();
    };
    if (death.byPath) {
        for (std::size_t i = 0; i < death.relatives.size(); ++i) {
            row(death.relatives[i], divided ? shareOf(*death.byPath, death.relatives, i).partsPerHead : 0);
        }
    } else {
        for (const HeirKind kind : rowOrder(TableMedium::Screen)) {
            if (!death.counts.has(kind)) continue;
            const std::int64_t parts = divided ? death.computation.result.parts[indexOf(kind)] : 0;
            row({RelativePath::ofKind(kind), true, death.counts.of(kind), ""}, parts / death.counts.of(kind));
        }
    }
    json.endArray();
}

// Only when asked for: the steps cost a trace and the Arabic text.
void writeStepsSection(JsonWriter& json, const DeathResult& death)
{
    if (death.steps) writeSteps(json, *death.steps);
}

// The sections of a result object, in the order they are written, each with
// the name --fields knows it by and the members it writes where they are
// other than that name. A new section is one row here.
struct ResultSection {
    std::string_view name;
    void (*write)(JsonWriter& json, const DeathResult& death);
    std::span<const std::string_view> members = {};
};

constexpr std::string_view kSchoolMembers[] = {"school", "positions", "kindredMethod"};
constexpr std::string_view kCaseWideMembers[] = {"Base",        "Correction",   "ShareScale",
                                                 "BaseDivisor", "ReturnFactor", "SpouseScale"};
constexpr std::string_view kHeirsMembers[] = {"corrected", "heirs"};

// "later" and "combined" belong to a line with later deaths, "waiting" and
// "together" to the cases of their name: the writer of such a line writes
// them (later_deaths_json.h, waiting_json.h).
constexpr ResultSection kSections[] = {
    {"counts", writeCountsSection},
    {"school", writeSchoolSection, kSchoolMembers},
    {"stopped", writeStopped},
    {"messages", writeMessages},
    {"shares", writeShares},
    {"case", writeCaseWide, kCaseWideMembers},
    {"screen", writeScreen},
    {"print", writePrint},
    {"steps", writeStepsSection},
    {"estate", writeEstate},
    {"later", nullptr},
    {"combined", nullptr},
    {"heirs", writeHeirs, kHeirsMembers},
    {"waiting", nullptr},
    {"together", nullptr},
};
constexpr std::size_t kCountsSection = 0;
constexpr std::size_t kEstateSection = 9;
constexpr std::size_t kLaterSection = 10;
constexpr std::size_t kCombinedSection = 11;
constexpr std::size_t kSectionCount = std::size(kSections);
static_assert(kSections[kCountsSection].name == "counts" && kSections[kEstateSection].name == "estate" &&
              kSections[kLaterSection].name == "later" && kSections[kCombinedSection].name == "combined");
static_assert(kSectionCount <= 32, "ResultFields keeps one bit per section");

}  // namespace

FirstDeathResult::FirstDeathResult(const CaseAnswer& answer)
    : steps(answer.solution()),
      death{answer.counts(), *answer.computation, answer.explained() ? &steps : nullptr,
            answer.settlement ? &*answer.settlement : nullptr}
{
    if (answer.byPath) {
        death.relatives = answer.relatives();
        death.byPath = &*answer.byPath;
    }
}

ResultFields ResultFields::all()
{
    ResultFields fields;
    fields.bits_ = (std::uint32_t{1} << kSectionCount) - 1;
    return fields;
}

std::optional<ResultFields> ResultFields::fromList(std::string_view list, std::string& error)
{
    ResultFields fields;
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        std::size_t section = 0;
        while (section < kSectionCount && kSections[section].name != name) ++section;
        if (section == kSectionCount) {
            error = "unknown field '" + std::string(cutAtCharacter(name, kEchoedBytes)) +
                    "' in --fields (fields: " + names() + ")";
            return std::nullopt;
        }
        fields.bits_ |= std::uint32_t{1} << section;
        if (comma == std::string_view::npos) return fields;
        list.remove_prefix(comma + 1);
    }
}

bool ResultFields::has(std::string_view name) const
{
    for (std::size_t section = 0; section < kSectionCount; ++section) {
        if (kSections[section].name == name) return has(section);
    }
    return false;
}
bool ResultFields::hasLater() const { return has(kLaterSection); }
bool ResultFields::hasCombined() const { return has(kCombinedSection); }

std::string ResultFields::names()
{
    std::string names;
    for (const ResultSection& section : kSections) {
        if (!names.empty()) names += ' ';
        names += section.name;
    }
    return names;
}

void writeCaseResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields, std::optional<long> lineNumber)
{
    const FirstDeathResult first(answer);
    json.beginObject();
    if (answer.beyondExactRange()) {
        writeCountsSection(json, first.death);
        json.key("error");
        json.value(kBeyondExactRangeError);
        if (lineNumber) {
            json.key("line");
            json.value(std::int64_t{*lineNumber});
        }
        if (fields.has(kEstateSection)) writeEstate(json, first.death);
    } else {
        writeCaseMembers(json, first.death, fields);
    }
    json.endObject();
}

void writeCaseMembers(JsonWriter& json, const DeathResult& death, ResultFields fields)
{
    for (std::size_t section = 0; section < kSectionCount; ++section) {
        if (fields.has(section) && kSections[section].write) kSections[section].write(json, death);
    }
}

bool isResultMember(std::string_view name)
{
    for (std::size_t section = 0; section < kSectionCount; ++section) {
        const ResultSection& s = kSections[section];
        if (section == kCountsSection || !s.write) continue;
        if (s.members.empty() ? s.name == name : std::find(s.members.begin(), s.members.end(), name) != s.members.end())
            return true;
    }
    return false;
}

void writeLineError(JsonWriter& json, std::string_view why, long lineNumber)
{
    json.beginObject();
    json.key("error");
    json.value(why);
    json.key("line");
    json.value(std::int64_t{lineNumber});
    json.endObject();
}

}  // namespace qismaru::calc
