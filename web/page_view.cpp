#include "web/page_view.h"

#include "answer/combined_page.h"
#include "calc/case_positions.h"
#include "calc/json_writer.h"
#include "calc/steps_json.h"
#include "engine/parts.h"
#include "present/combined_sentences.h"
#include "present/positions_text.h"
#include "web/page_waiting_view.h"

namespace qismaru::web {

namespace {

using calc::JsonWriter;

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

void member(JsonWriter& json, const char* name, std::string_view text)
{
    json.key(name);
    json.value(text);
}

void texts(JsonWriter& json, const char* name, const std::vector<std::string>& list)
{
    json.key(name);
    json.beginArray();
    for (const std::string& text : list) json.value(text);
    json.endArray();
}

void writeRow(JsonWriter& json, const TableRow& row, const CaseResult& result)
{
    json.beginObject();
    json.key("cells");
    json.beginObject();
    for (const TableCell& cell : row.cells) member(json, columnName(cell.column), cell.text);
    json.endObject();
    // Every drawn row names its kind; a row without one would be a figure
    // the table places on its own, and is shown without a name.
    if (row.kind) {
        member(json, "kind", infoOf(*row.kind).code);
        json.key("parts");
        json.value(partsOf(*row.kind, result));
    }
    json.endObject();
}

void writeTable(JsonWriter& json, const ResultTable& table, const CaseResult& result)
{
    json.key("table");
    json.beginObject();
    json.key("rows");
    json.beginArray();
    for (const TableRow& row : table.rows) writeRow(json, row, result);
    json.endArray();
    member(json, "base", table.base);
    member(json, "percentageTitle", table.percentageTitle);
    texts(json, "totals", table.totals);
    json.endObject();
}

void amountLines(JsonWriter& json, const char* name, const std::vector<estate::AmountLine>& lines)
{
    json.key(name);
    json.beginArray();
    for (const estate::AmountLine& line : lines) {
        json.beginObject();
        member(json, "label", line.label);
        member(json, "amount", line.amount);
        json.endObject();
    }
    json.endArray();
}

void writeEstate(JsonWriter& json, const std::optional<estate::EstateReport>& report)
{
    json.key("estate");
    if (!report) return json.written("null");
    json.beginObject();
    member(json, "title", estate::kEstateTitle);
    amountLines(json, "claims", report->claims);
    const auto columns = estate::kindColumnTitles(*report);
    texts(json, "columns", {columns.begin(), columns.end()});
    json.key("kinds");
    json.beginArray();
    for (const estate::KindLine& line : report->kinds) {
        const auto cells = estate::cellsOf(line);
        json.beginArray();
        for (const std::string& cell : cells) json.value(cell);
        json.endArray();
    }
    json.endArray();
    amountLines(json, "closing", report->closing);
    texts(json, "notes", report->notes);
    member(json, "text", estate::reportText(*report));
    json.endObject();
}

std::vector<std::string> stepTexts(const std::vector<SolutionStep>& steps)
{
    std::vector<std::string> list;
    for (const SolutionStep& step : steps) list.push_back(step.text);
    return list;
}

void writeCombinedPage(JsonWriter& json, const CombinedPage& page)
{
    json.key("combined");
    json.beginObject();
    member(json, "title", kCombinedTitle);
    member(json, "positions", page.positions);
    texts(json, "deaths", page.deaths);
    texts(json, "header", page.table.header);
    json.key("rows");
    json.beginArray();
    for (const std::vector<std::string>& row : page.table.rows) {
        json.beginArray();
        for (const std::string& cell : row) json.value(cell);
        json.endArray();
    }
    json.endArray();
    json.key("diedAs");
    json.beginArray();
    for (const int death : page.table.diedAs) json.value(death);
    json.endArray();
    member(json, "text", combinedPageText(page));
    json.endObject();
}

// The later deaths: each one's own case and solution, how they join and
// the combined table; or why they do not join.
void writeLater(JsonWriter& json, const CaseAnswer& answer)
{
    json.key("later");
    if (!answer.successive) return json.written("null");
    const SuccessiveDeaths& deaths = *answer.successive;
    json.beginObject();
    json.key("count");
    json.value(static_cast<std::int64_t>(deaths.later.size()));
    json.key("joined");
    json.value(deaths.joined());
    member(json, "refusal", deaths.refusalText());
    json.key("deaths");
    json.beginArray();
    for (std::size_t i = 0; deaths.joined() && i < deaths.later.size(); ++i) {
        json.beginObject();
        member(json, "heading", deaths.heading(i));
        member(json, "heirs", deathHeirsLine(deaths.deaths()[i + 1]));
        texts(json, "steps", stepTexts(deaths.solution(i)));
        json.endObject();
    }
    json.endArray();
    if (deaths.joined()) {
        std::vector<std::string> combined;
        for (const CombinedStep& step : deaths.combinedSteps()) combined.push_back(step.text);
        texts(json, "combinedSteps", combined);
        writeCombinedPage(json, combinedPageOf(answer));
    }
    json.endObject();
}

const char* outcomeName(const CaseAnswer& answer)
{
    // A case that waits, and those who died together, are divided by
    // their own tables, without the one computation of a case.
    if (answer.waiting) return "waiting";
    if (answer.together) return "together";
    if (!answer.computed()) return "open";
    switch (answer.computation->outcome) {
    case CaseOutcome::Computed: return "computed";
    case CaseOutcome::ValidationStop: return "stopped";
    case CaseOutcome::BeyondExactRange: return "beyond";
    }
    return "open";
}

// The answer as text to paste: the school, the table row by row with its
// columns separated by tabs, the totals, what Calculate says, the estate,
// and the combined table of later deaths.
std::string plainText(const CaseAnswer& answer, const ResultTable& table)
{
    std::string text = positionsLine(answer.positions()) + "\n";
    for (const TableRow& row : table.rows) {
        std::string line = trimmed(row.text(TableColumn::Heir));
        for (const TableColumn column : kTableColumns) {
            if (column == TableColumn::Heir) continue;
            line += '\t';
            line += trimmed(row.text(column));
        }
        text += line + "\n";
    }
    for (const std::string& total : table.totals) text += trimmed(total) + "\n";
    text += waitingText(answer);
    for (const std::string& said : answer.announcements()) text += said + "\n";
    if (const auto report = answer.estateReport(Reader::Page)) text += "\n" + estate::reportText(*report);
    if (answer.joined()) text += "\n" + combinedPageText(combinedPageOf(answer));
    return text;
}

void writeSaid(JsonWriter& json, const CaseAnswer& answer)
{
    texts(json, "messages", answer.computed() ? messageTexts(*answer.computation) : std::vector<std::string>{});
    if (answer.computed()) {
        if (const std::string surplus = surplusNote(*answer.computation); !surplus.empty())
            member(json, "surplus", surplus);
    }
    texts(json, "announcements", answer.announcements());
}

}  // namespace

std::string viewOf(const CaseAnswer& answer)
{
    const ResultTable table = answer.table(TableMedium::Screen);
    JsonWriter json;
    json.beginObject();
    member(json, "outcome", outcomeName(answer));
    member(json, "positionsLine", positionsLine(answer.positions()));
    writeSaid(json, answer);
    calc::writeSteps(json, answer.solution());
    json.key("differsFromHanafi");
    json.value(answer.differsFromHanafi());
    member(json, "differenceMark", answer.differenceMark());
    member(json, "differenceNote", differsFromHanafiNote(answer.positions()));
    writeTable(json, table, answer.result());
    writeEstate(json, answer.divided() ? answer.estateReport(Reader::Page) : std::nullopt);
    writeLater(json, answer);
    writeWaiting(json, answer);
    json.key("canAddLater");
    json.value(answer.divided() && (!answer.successive || answer.joined()));
    member(json, "text", plainText(answer, table));
    json.endObject();
    return json.take();
}

std::string viewOfLine(const std::string& line)
{
    const calc::CaseInput input = calc::caseFromLine(line);
    const calc::PositionsChoice choice = calc::positionsFor(input, {});
    if (!input.ok() || !choice.ok()) {
        JsonWriter json;
        json.beginObject();
        member(json, "outcome", "refused");
        member(json, "error", input.ok() ? choice.error : input.error);
        json.endObject();
        return json.take();
    }
    return viewOf(answerCase(calc::questionOf(input, choice.positions), Detail::Steps));
}

}  // namespace qismaru::web
