#include "web/page_case.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "files/case_opening.h"
#include "files/estate_json.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "web/page_json.h"

namespace qismaru::web {

namespace {

School schoolOf(const std::string& key) { return schoolFromKey(key).value_or(School::Hanafi); }

Json outcomeJson(const char* outcome, int row = 0, const std::string& message = {})
{
    Json answer{{"outcome", outcome}};
    if (row > 0) answer["row"] = row;
    if (!message.empty()) answer["message"] = message;
    return answer;
}

std::string refusedJson(const std::string& message) { return Json{{"ok", false}, {"message", message}}.dump(); }

// "h=1,m=1" as its codes and counts, in the order written; nothing when a
// part is not CODE=N with a known code and a whole count.
std::optional<std::vector<HeirEntry>> linkHeirs(const std::string& text)
{
    std::vector<HeirEntry> heirs;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, end - start);
        const std::size_t eq = part.find('=');
        const std::optional<HeirKind> kind = kindFromCode(part.substr(0, eq));
        const std::string count = eq == std::string::npos ? "" : part.substr(eq + 1);
        const bool whole = !count.empty() && count.size() <= 5 && count.find_first_not_of("0123456789") == count.npos;
        if (!kind || !whole || std::stoi(count) > kMaxCount) return std::nullopt;
        heirs.push_back({*kind, std::stoi(count)});
        start = end + 1;
    }
    return heirs;
}

}  // namespace

std::string PageCase::press(const std::string& code, const std::string& school)
{
    const std::optional<HeirKind> kind = kindFromCode(code);
    return (kind ? pressed(*kind, schoolOf(school)) : outcomeJson("ignored")).dump();
}

Json PageCase::pressed(HeirKind kind, School school)
{
    const KindCounts before = state_.counts;
    const PressResult press = pressHeirButton(state_, kind, school);
    switch (press.outcome) {
    case PressOutcome::Ignored: return outcomeJson("ignored");
    case PressOutcome::SpouseConflict:
    case PressOutcome::TooManyGrandmothers:
        return outcomeJson("refused", 0, pressRefusalText(press.outcome, before, kind, school));
    case PressOutcome::Entered: return outcomeJson("entered", press.row);
    case PressOutcome::AskCount: return outcomeJson("askCount");
    }
    return outcomeJson("ignored");
}

std::string PageCase::confirmCount(int count, const std::string& school)
{
    return counted(count, schoolOf(school)).dump();
}

Json PageCase::counted(int count, School school)
{
    const KindCounts before = state_.counts;
    const CountResult result = qismaru::confirmCount(state_, count, school);
    switch (result.outcome) {
    case CountOutcome::Ignored: return outcomeJson("ignored");
    case CountOutcome::TooManyWives:
    case CountOutcome::TooManyGrandmothers:
        return outcomeJson("refused", 0, countRefusalText(result, before, count, school));
    case CountOutcome::Recorded: return outcomeJson("recorded", result.row);
    }
    return outcomeJson("ignored");
}

void PageCase::cancelCount() { qismaru::cancelCount(state_); }

int PageCase::cancelLast() { return cancelLastChoice(state_).value_or(0); }

void PageCase::newCase() { startNewCase(state_); }

std::string PageCase::entries() const
{
    Json list = Json::array();
    for (const HeirEntry& heir : enteredHeirs(state_)) {
        const HeirKindInfo& info = infoOf(heir.kind);
        list.push_back({{"code", info.code},
                        {"name", info.displayName},
                        {"count", heir.count},
                        {"counted", info.entry == EntryKind::Counted},
                        {"row", state_.entryRow[indexOf(heir.kind)].value_or(0)}});
    }
    return list.dump();
}

bool PageCase::canCalculate() const { return qismaru::canCalculate(state_); }

void PageCase::markComputed() { qismaru::markComputed(state_); }

void PageCase::reopen() { reopenCase(state_); }

std::string PageCase::refusalUnder(const std::string& school) const
{
    return grandmothersBeyondLimit(state_.counts, schoolOf(school))
               ? grandmotherLimitText(schoolOf(school), state_.counts)
               : "";
}

std::string PageCase::batchLine(const std::string& positions, const std::string& estate) const
{
    Json counts = Json::object();
    for (const HeirEntry& heir : enteredHeirs(state_)) counts[std::string(infoOf(heir.kind).code)] = heir.count;
    Json line{{"counts", counts}};
    const Json chosen = positionsToJson(positionsFromJson(positions));
    for (const auto& [key, value] : chosen.items()) line[key] = value;
    const Json estateObject = Json::parse(estate, nullptr, false);
    if (estateObject.is_object()) line["estate"] = estateObject;
    return line.dump();
}

std::string PageCase::enterLink(const std::string& heirs, const std::string& school)
{
    const std::optional<std::vector<HeirEntry>> entries = linkHeirs(heirs);
    if (!entries) return refusedJson("لا يدل هذا الرابط على مسألة: يكتب كل وارث برمزه وعدده، مثل h=1,m=1,f=1");
    const HeirsEntry entry = enterHeirs(*entries, schoolOf(school));
    if (entry.entered()) {
        state_ = entry.state;
        return Json{{"ok", true}}.dump();
    }
    // Refused with the words the button or the count dialog would say, and
    // where they say nothing, that the heir does not enter so.
    const HeirEntry& heir = (*entries)[*entry.refused];
    const std::string why = entry.count
                                ? countRefusalText(*entry.count, entry.before, heir.count, schoolOf(school))
                                : pressRefusalText(entry.press.outcome, entry.before, heir.kind, schoolOf(school));
    return refusedJson(why.empty() ? "لا يدخل " + std::string(infoOf(heir.kind).displayName) + " بهذا العدد في مسألة"
                                   : why);
}

std::string PageCase::openFile(const std::string& text, const std::string& positions)
{
    const estate::OpenedCase opened = estate::openCaseFile(text);
    if (!opened.ok()) return refusedJson(opened.problem);
    // The page shows no later deaths yet: the first death alone, saved again,
    // would lose them.
    if (!opened.file->later.empty()) {
        return refusedJson(
            "في هذا الملف وفاة وارث قبل القسمة، ولا تعرضها هذه الصفحة بعد، فلم يفتح؛ ويحسبها برنامج "
            "قسمارو على الحاسوب.");
    }
    state_ = *opened.state;
    const Positions& kept = opened.file->positions;
    Json answer{{"ok", true}, {"positions", positionsToJson(kept)}};
    if (kept != positionsFromJson(positions)) answer["positionsMessage"] = estate::positionsTakenFromFileText(kept);
    answer["estate"] = nullptr;
    answer["form"] = nullptr;
    if (opened.file->estate) {
        answer["estate"] = estate::estateToJson(*opened.file->estate);
        answer["form"] = formToJson(estate::formOf(*opened.file->estate));
    }
    return answer.dump();
}

std::string PageCase::fileText(const std::string& positions, const std::string& estate) const
{
    return estate::caseFileText({enteredHeirs(state_), estateFromText(estate), positionsFromJson(positions)});
}

}  // namespace qismaru::web
