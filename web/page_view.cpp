#include "web/page_view.h"

#include "calc/case_json.h"
#include "calc/case_positions.h"
#include "calc/steps_json.h"
#include "engine/parts.h"
#include "estate/estate_report.h"
#include "present/positions_text.h"
#include "present/result_table.h"
#include "web/page_json.h"

namespace qismaru::web {

namespace {

// The name of a column in the page's table.
const char* columnName(TableColumn column)
{
    switch (column) {
    case TableColumn::Heir: return "name";
    case TableColumn::Share: return "share";
    case TableColumn::Parts: return "parts";
    case TableColumn::PerHead: return "perHead";
    case TableColumn::Percentage: return "percentage";
    }
    return "";
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Json tableJson(const ResultTable& table, const CaseResult& result)
{
    Json rows = Json::array();
    for (const TableRow& tableRow : table.rows) {
        Json cells = Json::object();
        for (const TableCell& cell : tableRow.cells) cells[columnName(cell.column)] = cell.text;
        Json row{{"cells", cells}};
        // Every drawn row names its kind; a row without one would be a figure
        // the table places on its own, and is shown without a name.
        if (tableRow.kind) {
            row["kind"] = infoOf(*tableRow.kind).code;
            row["parts"] = partsOf(*tableRow.kind, result);
        }
        rows.push_back(row);
    }
    return {{"rows", rows}, {"base", table.base}, {"percentageTitle", table.percentageTitle}, {"totals", table.totals}};
}

Json estateJson(const estate::EstateReport& report)
{
    const auto lines = [](const std::vector<estate::AmountLine>& amounts) {
        Json list = Json::array();
        for (const estate::AmountLine& line : amounts) list.push_back({{"label", line.label}, {"amount", line.amount}});
        return list;
    };
    Json kinds = Json::array();
    for (const estate::KindLine& line : report.kinds) kinds.push_back(estate::cellsOf(line));
    return {{"title", estate::kEstateTitle},
            {"claims", lines(report.claims)},
            {"columns", estate::kindColumnTitles(report)},
            {"kinds", kinds},
            {"closing", lines(report.closing)},
            {"notes", report.notes},
            {"text", estate::reportText(report)}};
}

// The solution as the calculator writes it under "steps" with --explain.
Json stepsJson(const std::vector<SolutionStep>& steps)
{
    calc::JsonWriter json;
    json.beginObject();
    calc::writeSteps(json, steps);
    json.endObject();
    return Json::parse(json.text())["steps"];
}

// The answer as text to paste: the school, the table row by row with its
// columns separated by tabs, the totals, what Calculate says, and the estate.
std::string plainText(const Json& view)
{
    std::string text = view["positionsLine"].get<std::string>() + "\n";
    for (const Json& row : view["table"]["rows"]) {
        std::string line = trimmed(row["cells"].value("name", ""));
        for (const char* column : {"share", "parts", "perHead", "percentage"}) {
            line += '\t';
            line += trimmed(row["cells"].value(column, ""));
        }
        text += line + "\n";
    }
    for (const Json& total : view["table"]["totals"]) text += trimmed(total.get<std::string>()) + "\n";
    for (const Json& message : view["messages"]) text += message.get<std::string>() + "\n";
    if (view.contains("surplus")) text += view["surplus"].get<std::string>() + "\n";
    if (view["estate"].is_object()) text += "\n" + view["estate"]["text"].get<std::string>();
    return text;
}

}  // namespace

std::string viewOfLine(const std::string& line)
{
    const calc::CaseInput input = calc::caseFromLine(line);
    const calc::PositionsChoice choice = calc::positionsFor(input, {});
    if (!input.ok() || !choice.ok()) {
        return Json{{"outcome", "refused"}, {"error", input.ok() ? choice.error : input.error}}.dump();
    }
    const CaseAnswer answer = answerCase(calc::questionOf(input, choice.positions), Detail::Steps);
    const CaseComputation& computation = *answer.computation;
    const Positions& positions = computation.positions;
    const char* outcome = computation.outcome == CaseOutcome::Computed         ? "computed"
                          : computation.outcome == CaseOutcome::ValidationStop ? "stopped"
                                                                               : "beyond";
    const bool divided = computation.outcome == CaseOutcome::Computed;
    const bool differs = answer.differsFromHanafi();
    Json messages = Json::array();
    for (const CaseMessage message : computation.messages) messages.push_back(messageText(message));
    Json view{{"outcome", outcome},
              {"positionsLine", positionsLine(positions)},
              {"messages", messages},
              {"steps", stepsJson(answer.solution())},
              {"differsFromHanafi", differs},
              {"differenceMark", answer.differenceMark()},
              {"differenceNote", differsFromHanafiNote(positions)},
              {"table", tableJson(divided ? buildResultTable(answer.counts(), computation.result, TableMedium::Screen)
                                          : ResultTable{},
                                  computation.result)},
              {"estate", nullptr}};
    if (const std::string surplus = surplusNote(computation); !surplus.empty()) view["surplus"] = surplus;
    if (divided && answer.settlement) {
        estate::EstateReport report = estate::buildEstateReport(*answer.settlement, answer.counts(), computation.result,
                                                                estate::Grouping::Accepted);
        estate::notePositionsFirst(report, positions);
        view["estate"] = estateJson(report);
    }
    view["text"] = plainText(view);
    return view.dump();
}

}  // namespace qismaru::web
