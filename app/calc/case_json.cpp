#include "app/calc/case_json.h"

#include "app/calc/json_writer.h"
#include "present/result_table.h"

namespace qismaru::calc {

const char* const kBeyondExactRangeError =
    "the corrected base of this case passes 2^53 (9007199254740992), beyond which parts cannot be "
    "computed exactly; no table is given";

namespace {

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

void writeShares(JsonWriter& json, const CaseResult& result)
{
    json.key("shares");
    json.beginObject();
    for (const HeirKindInfo& info : heirKinds()) {
        const ShareResult& share = result[info.kind];
        json.key(info.code);
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
    json.endObject();
}

void writePlaced(JsonWriter& json, const char* name, const std::vector<PlacedText>& items)
{
    json.key(name);
    json.beginArray();
    for (const PlacedText& item : items) {
        json.beginObject();
        json.key("x");
        json.value(item.x);
        json.key("y");
        json.value(item.y);
        json.key("text");
        json.value(item.text);
        json.endObject();
    }
    json.endArray();
}

void writeCaseWide(JsonWriter& json, const CaseResult& r)
{
    json.key("Base");
    json.value(r.base);
    const std::pair<const char*, double> values[] = {{"Correction", r.correction},   {"ShareScale", r.shareScale},
                                                     {"BaseDivisor", r.baseDivisor}, {"ReturnFactor", r.returnFactor},
                                                     {"SpouseScale", r.spouseScale}};
    for (const auto& [name, value] : values) {
        json.key(name);
        json.value(value);
    }
}

}  // namespace

std::string caseToJson(const KindCounts& counts, const CaseComputation& computation)
{
    JsonWriter json;
    json.beginObject();
    writeCounts(json, counts);
    if (computation.outcome == CaseOutcome::BeyondExactRange) {
        json.key("error");
        json.value(kBeyondExactRangeError);
        json.endObject();
        return json.take();
    }
    const CaseResult& r = computation.result;
    json.key("stopped");
    json.value(computation.stopped());
    json.key("messages");
    json.beginArray();
    for (const CaseMessage message : computation.messages) json.value(messageText(message));
    json.endArray();
    writeShares(json, r);
    writeCaseWide(json, r);
    const bool drawn = computation.outcome == CaseOutcome::Computed;
    writePlaced(json, "screen", drawn ? layoutResultTable(counts, r, TableMedium::Screen) : std::vector<PlacedText>{});
    writePlaced(json, "print", drawn ? layoutResultTable(counts, r, TableMedium::Paper) : std::vector<PlacedText>{});
    json.endObject();
    return json.take();
}

std::string errorToJson(const std::string& why, long lineNumber)
{
    JsonWriter json;
    json.beginObject();
    json.key("error");
    json.value(why);
    json.key("line");
    json.value(std::int64_t{lineNumber});
    json.endObject();
    return json.take();
}

}  // namespace qismaru::calc
