#include "web/page_waiting_view.h"

#include "answer/waiting_table.h"

namespace qismaru::web {

namespace {

using calc::JsonWriter;

void member(JsonWriter& json, const char* name, std::string_view text)
{
    json.key(name);
    json.value(text);
}

void gridMembers(JsonWriter& json, const WaitingGrid& grid)
{
    json.key("columns");
    json.beginArray();
    for (const std::string& column : grid.columns) json.value(column);
    json.endArray();
    json.key("rows");
    json.beginArray();
    for (const std::vector<std::string>& row : grid.rows) {
        json.beginArray();
        for (const std::string& cell : row) json.value(cell);
        json.endArray();
    }
    json.endArray();
}

void writeGrid(JsonWriter& json, const char* name, const WaitingGrid& grid)
{
    json.key(name);
    if (grid.empty()) return json.written("null");
    json.beginObject();
    gridMembers(json, grid);
    json.endObject();
}

void writeClaims(JsonWriter& json, const std::vector<estate::AmountLine>& claims)
{
    json.key("claims");
    json.beginArray();
    for (const estate::AmountLine& line : claims) {
        json.beginObject();
        member(json, "label", line.label);
        member(json, "amount", line.amount);
        json.endObject();
    }
    json.endArray();
}

void writeOutcomes(JsonWriter& json, const CaseAnswer& answer)
{
    json.key("outcomes");
    json.beginArray();
    for (const OutcomeChoice& choice : outcomeChoices(answer)) {
        json.beginObject();
        member(json, "name", choice.name);
        member(json, "heading", choice.heading);
        json.endObject();
    }
    json.endArray();
    member(json, "outcome", answer.question.outcome);
}

void writeTogether(JsonWriter& json, const WaitingTables& tables)
{
    member(json, "togetherRule", tables.togetherRule);
    json.key("together");
    json.beginArray();
    for (std::size_t i = 0; i < tables.together.size(); ++i) {
        json.beginObject();
        member(json, "heading", tables.togetherHeadings[i]);
        gridMembers(json, tables.together[i]);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

bool dividedApart(const CaseAnswer& answer) { return answer.waiting.has_value() || answer.together.has_value(); }

void writeWaiting(JsonWriter& json, const CaseAnswer& answer)
{
    json.key("waiting");
    if (!dividedApart(answer)) return json.written("null");
    const WaitingTables tables = waitingTables(answer, Reader::Page);
    json.beginObject();
    writeClaims(json, tables.claims);
    writeGrid(json, "division", tables.division);
    member(json, "provision", tables.provision);
    member(json, "recordedHeading", tables.recordedHeading);
    writeGrid(json, "recorded", tables.recorded);
    writeOutcomes(json, answer);
    writeTogether(json, tables);
    json.endObject();
}

std::string waitingText(const CaseAnswer& answer)
{
    return dividedApart(answer) ? waitingTablesText(waitingTables(answer, Reader::Page)) : "";
}

}  // namespace qismaru::web
