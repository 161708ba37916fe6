#include "app/desktop/scripted_case.h"

#include <QRegularExpression>
#include <QStringList>

#include "answer/case_session.h"
#include "app/desktop/command_line.h"
#include "calc/case_input.h"
#include "calc/case_json.h"
#include "calc/heir_codes.h"
#include "engine/compute_case.h"
#include "model/case_entry.h"
#include "ui/document/case_document.h"
#include "ui/main/count_dialog.h"
#include "ui/main/main_window.h"

namespace qismaru::app {

namespace {

CaseReading refused(std::string why, int status = kExitBadInput) { return {std::nullopt, std::move(why), status}; }

std::vector<std::string> itemsOf(const QString& text)
{
    std::vector<std::string> items;
    for (const QString& item : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        items.push_back(item.toStdString());
    }
    return items;
}

// Why the main window's entry rules would not take the case as it stands,
// or nothing: the rules are pressed through on a case of their own.
std::optional<std::string> entryRefusal(const std::vector<std::pair<HeirKind, int>>& entries, School school)
{
    std::vector<HeirEntry> heirs;
    for (const auto& [kind, count] : entries) heirs.push_back({kind, count});
    const HeirsEntry entry = enterHeirs(heirs, school);
    if (entry.entered()) return std::nullopt;
    const auto [kind, count] = entries[*entry.refused];
    if (entry.press.outcome == PressOutcome::SpouseConflict) {
        return "a husband and wives never stand in one case: the window refuses the second spouse";
    }
    if (entry.press.outcome == PressOutcome::TooManyGrandmothers) {
        KindCounts withFather = entry.before;
        withFather.set(kind, 1);
        return grandmotherLimitProblem(withFather, school);
    }
    const CountOutcome counted = entry.count ? entry.count->outcome : CountOutcome::Recorded;
    if (counted == CountOutcome::TooManyWives) {
        return "the count of 'w' is above " + std::to_string(kMaxWives) + ": the count dialog takes at most " +
               std::to_string(kMaxWives) + " wives";
    }
    if (counted == CountOutcome::TooManyGrandmothers) {
        KindCounts withGrandmothers = entry.before;
        withGrandmothers.set(kind, count);
        return grandmotherLimitProblem(withGrandmothers, school);
    }
    return std::nullopt;
}

}  // namespace

CaseReading readScriptedCase(const QString& text, const Positions& positions)
{
    const std::vector<std::string> items = itemsOf(text);
    const calc::CaseInput input = calc::countsFromArguments(items);
    if (!input.ok()) return refused(input.error);
    ScriptedCase scripted{{}, input.counts, {}};
    if (input.byPath) {
        // The heir codes are pressed on their buttons; every other relative
        // is added by his path, after them, as the relation builder adds him.
        for (const RelativeEntry& relative : input.relatives) {
            if (!relative.writtenAsCode || !relative.label.empty()) scripted.relatives.push_back(relative);
        }
    }
    KindCounts pressed;
    for (const std::string& item : items) {
        const std::optional<HeirKind> kind = kindFromCode(item.substr(0, item.find('=')));
        if (!kind || input.counts.of(*kind) == 0) continue;
        scripted.entries.emplace_back(*kind, input.counts.of(*kind));
        pressed.set(*kind, input.counts.of(*kind));
    }
    scripted.counts = pressed;
    if (const auto why = entryRefusal(scripted.entries, positions.school)) return refused(*why);
    if (!input.byPath && computeCase(scripted.counts, positions).outcome == CaseOutcome::BeyondExactRange) {
        return refused(calc::kBeyondExactRangeError, kExitBeyondExactRange);
    }
    return {std::move(scripted), {}, kExitOk};
}

bool enterAndCalculate(ui::MainWindow& window, const ScriptedCase& scriptedCase)
{
    for (const auto& [kind, count] : scriptedCase.entries) {
        window.pressHeirButton(kind);
        if (ui::CountDialog* dialog = window.countDialog(); dialog && dialog->isVisible()) {
            dialog->showCount(count);
            dialog->confirm();
        }
    }
    for (const RelativeEntry& relative : scriptedCase.relatives) {
        if (!window.document().addRelative(relative).empty()) return false;
    }
    window.calculate();
    return window.caseState().computed && window.caseState().counts.count == scriptedCase.counts.count;
}

std::optional<CaseAnswer> answerAsEntered(const ScriptedCase& scriptedCase, const Positions& positions)
{
    CaseSession session;
    session.setPositions(positions);
    for (const auto& [kind, count] : scriptedCase.entries) {
        if (session.press(kind).outcome == KeyOutcome::AskCount) session.confirmCount(count);
    }
    for (const RelativeEntry& relative : scriptedCase.relatives) {
        if (!session.addRelative(relative).empty()) return std::nullopt;
    }
    if (session.calculate().outcome != Calculation::Outcome::Answered) return std::nullopt;
    return session.answer();
}

bool enterAndCalculate(ui::MainWindow& window, const QString& text)
{
    const CaseReading reading = readScriptedCase(text);
    return reading.scriptedCase && enterAndCalculate(window, *reading.scriptedCase);
}

}  // namespace qismaru::app
