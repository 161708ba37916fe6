#include "web/page_case.h"
#include "present/heir_labels.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "calc/case_input.h"
#include "files/case_file.h"
#include "files/estate_json.h"
#include "present/combined_sentences.h"
#include "present/heir_names.h"
#include "present/relation_builder.h"
#include "present/relative_names.h"
#include "web/page_json.h"
#include "web/page_view.h"

namespace qismaru::web {

namespace {

Json refusedJson(const std::string& message) { return Json{{"ok", false}, {"message", message}}; }

// What a press or a count came to, in the page's words.
std::string keyJson(const KeyPress& key, const char* entered)
{
    Json answer;
    switch (key.outcome) {
    case KeyOutcome::Ignored: answer = {{"outcome", "ignored"}}; break;
    case KeyOutcome::Entered: answer = {{"outcome", entered}, {"row", key.row}}; break;
    case KeyOutcome::AskCount: answer = {{"outcome", "askCount"}}; break;
    case KeyOutcome::Refused: answer = {{"outcome", "refused"}, {"message", key.refusal}}; break;
    }
    return answer.dump();
}

const char* outcomeName(Calculation::Outcome outcome)
{
    switch (outcome) {
    case Calculation::Outcome::Unchanged: return "unchanged";
    case Calculation::Outcome::Open: return "open";
    case Calculation::Outcome::Refused: return "refused";
    case Calculation::Outcome::BeyondExactRange: return "beyond";
    case Calculation::Outcome::Answered: return "answered";
    }
    return "unchanged";
}

// A case of a link: the heirs of the buttons, in the order written, and
// the relatives by path after them.
struct LinkCase {
    std::vector<HeirEntry> heirs;
    std::vector<RelativeEntry> relatives;
};

// "h=1,m=1,s.s.s=2" read as qismaru-calc and the desktop's --case read their
// CODE=N and PATH=N arguments, by the calculator's own reader: a count of 0
// is an heir absent, and what it refuses is no case. The heirs come in the
// order written, as their buttons would have entered them; a relative
// written by his path ("s.s", "d.d@1") is one the relation builder adds.
std::optional<LinkCase> linkCase(const std::string& text)
{
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const calc::CaseInput read = calc::countsFromArguments(items);
    if (!read.ok()) return std::nullopt;
    LinkCase linked;
    for (const RelativeEntry& entry : read.relatives) {
        const std::optional<HeirKind> kind = entry.path.kind();
        if (entry.writtenAsCode && kind && entry.label.empty()) {
            linked.heirs.push_back({*kind, entry.count});
        } else {
            linked.relatives.push_back(entry);
        }
    }
    return linked;
}

std::string calculationJson(const Calculation& calculation, const Positions& positions)
{
    return Json{{"outcome", outcomeName(calculation.outcome)},
                {"said", calculation.said},
                {"positions", positionsToJson(positions)}}
        .dump();
}

Json choicesJson(const std::vector<LaterDeathForm::Choice>& choices)
{
    Json list = Json::array();
    for (const LaterDeathForm::Choice& choice : choices)
        list.push_back({{"group", choice.group}, {"ref", refText(choice.ref)}, {"name", choice.name}});
    return list;
}

}  // namespace

std::string PageCase::press(const std::string& code)
{
    const std::optional<HeirKind> kind = kindFromCode(code);
    return kind ? keyJson(session_.press(*kind), "entered") : Json{{"outcome", "ignored"}}.dump();
}

std::string PageCase::confirmCount(int count) { return keyJson(session_.confirmCount(count), "recorded"); }

void PageCase::cancelCount() { session_.cancelCount(); }

int PageCase::cancelLast() { return session_.cancelLast().value_or(0); }

void PageCase::newCase()
{
    session_.newCase();
    later_.reset();
}

std::string PageCase::entries() const
{
    Json list = Json::array();
    for (const HeirEntry& heir : session_.heirs()) {
        const HeirKindInfo& info = infoOf(heir.kind);
        list.push_back({{"code", info.code},
                        {"name", labelsOf(heir.kind).displayName},
                        {"count", heir.count},
                        {"counted", info.entry == EntryKind::Counted},
                        {"row", session_.state().entryRow[indexOf(heir.kind)].value_or(0)}});
    }
    for (const Json& relative : relativeEntries()) list.push_back(relative);
    return list.dump();
}

bool PageCase::canCalculate() const { return session_.canCalculateNow(); }

bool PageCase::computed() const { return session_.state().computed; }

std::string PageCase::calculate() { return calculationJson(session_.calculate(), session_.positions()); }

std::string PageCase::setPositions(const std::string& positions)
{
    return calculationJson(session_.setPositions(positionsFromJson(positions)), session_.positions());
}

std::string PageCase::positions() const { return positionsToJson(session_.positions()).dump(); }

std::string PageCase::view() const { return viewOf(session_.answer()); }

void PageCase::setEstate(const std::string& estate) { session_.setEstate(estateFromText(estate)); }

std::string PageCase::enterLink(const std::string& heirs, const std::string& school)
{
    const std::optional<LinkCase> linked = linkCase(heirs);
    if (!linked) {
        return refusedJson(
                   "لا يدل هذا الرابط على مسألة: يكتب كل وارث برمزه أو بنسبه وعدده، مثل h=1,m=1,f=1 أو d=1,s.s.s=2")
            .dump();
    }
    // Entered in a session of their own first, so that a relative refused
    // leaves the case as it was.
    CaseSession entered = session_;
    std::string refused = entered.enterHeirs(linked->heirs, schoolFromKey(school).value_or(School::Hanafi));
    for (std::size_t i = 0; refused.empty() && i < linked->relatives.size(); ++i) {
        refused = entered.addRelative(linked->relatives[i]);
    }
    if (!refused.empty()) return refusedJson(refused).dump();
    session_ = std::move(entered);
    later_.reset();
    return Json{{"ok", true}}.dump();
}

std::string PageCase::openFile(const std::string& text)
{
    const FileOpening opening = session_.open(estate::readCaseFile(text));
    if (!opening.ok()) return refusedJson(opening.problem).dump();
    later_.reset();
    Json answer{{"ok", true}, {"positions", positionsToJson(session_.positions())}};
    if (!opening.positionsMessage.empty()) answer["positionsMessage"] = opening.positionsMessage;
    answer["form"] = nullptr;
    if (const auto& estate = session_.estate()) answer["form"] = formToJson(estate::formOf(*estate));
    return answer.dump();
}

std::string PageCase::fileText() const { return estate::caseFileText(session_.currentCase()); }

void PageCase::markSaved() { session_.markSaved(); }

bool PageCase::hasUnsavedWork() const { return session_.hasUnsavedWork(); }

std::string PageCase::laterStart()
{
    const CaseAnswer& answer = session_.answer();
    if (!answer.divided() || (answer.successive && !answer.joined())) {
        later_.reset();
        return refusedJson("تُدخل وفاة وارث قبل القسمة بعد «الحساب» لمسألة قُسمت.").dump();
    }
    later_ = std::make_unique<LaterDeathForm>(answer);
    return Json{{"ok", true}}.dump();
}

std::string PageCase::laterForm() const
{
    if (!later_) return "null";
    Json buttons = Json::array();
    for (const HeirKind kind : readingOrder())
        buttons.push_back({{"code", infoOf(kind).code}, {"name", labelsOf(kind).displayName}});
    Json heirs = Json::array();
    const estate::LaterDeathEntry entry = later_->entry();
    for (const HeirEntry& heir : later_->heirs()) {
        std::string linked;
        for (const SameLink& link : entry.same) {
            if (link.kind == heir.kind) linked = refText(link.earlier);
        }
        heirs.push_back({{"code", infoOf(heir.kind).code},
                         {"name", labelsOf(heir.kind).displayName},
                         {"count", heir.count},
                         {"same", choicesJson(later_->sameChoices(heir.kind))},
                         {"linked", linked}});
    }
    // By path: new persons, not linked to an earlier group.
    Json relatives = Json::array();
    const bool sexGiven = uterineSexGiven(later_->allRelatives());
    for (const RelativeEntry& relative : later_->relatives()) {
        const std::string name = listedRelativeName(relative, sexGiven);
        relatives.push_back({{"code", relative.writtenWithLabel()}, {"name", name}, {"count", relative.count}});
    }
    const std::optional<GroupRef> died = later_->deceased();
    return Json{{"death", later_->death()},
                {"deathName", deceasedOrdinal(later_->death())},
                {"deceased", choicesJson(later_->deceasedChoices())},
                {"chosen", died ? Json(refText(*died)) : Json(nullptr)},
                {"notTheSame", LaterDeathForm::kNotTheSame},
                {"buttons", buttons},
                {"heirs", heirs},
                {"relatives", relatives},
                {"incomplete", later_->incomplete()}}
        .dump();
}

void PageCase::laterChoose(int group)
{
    if (later_) later_->chooseDeceased(group < 0 ? std::nullopt : std::optional<int>(group));
}

std::string PageCase::laterPress(const std::string& code)
{
    const std::optional<HeirKind> kind = kindFromCode(code);
    if (!later_ || !kind) return Json{{"outcome", "ignored"}}.dump();
    return keyJson(later_->press(*kind), "entered");
}

std::string PageCase::laterCount(int count)
{
    if (!later_) return Json{{"outcome", "ignored"}}.dump();
    return keyJson(later_->confirmCount(count), "recorded");
}

void PageCase::laterCancelCount()
{
    if (later_) later_->cancelCount();
}

void PageCase::laterCancelLast()
{
    if (later_) later_->cancelLast();
}

void PageCase::laterLink(const std::string& code, const std::string& ref)
{
    const std::optional<HeirKind> kind = kindFromCode(code);
    if (later_ && kind) later_->link(*kind, refFromText(ref));
}

std::string PageCase::laterAdd()
{
    if (!later_) return refusedJson("تُدخل وفاة وارث قبل القسمة بعد «الحساب» لمسألة قُسمت.").dump();
    if (const std::string missing = later_->incomplete(); !missing.empty()) return refusedJson(missing).dump();
    const std::string refused = session_.addLaterDeath(later_->entry());
    if (!refused.empty()) return refusedJson(refused).dump();
    later_.reset();
    return Json{{"ok", true}}.dump();
}

void PageCase::removeLastLater() { session_.removeLastLaterDeath(); }

}  // namespace qismaru::web
