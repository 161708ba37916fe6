#include "calc/later_deaths_json.h"

#include "calc/waiting_json.h"

#include "engine/fraction.h"

namespace qismaru::calc {

namespace {

std::string_view relationKey(PartsRelation relation)
{
    switch (relation) {
    case PartsRelation::Divides: return "divides";
    case PartsRelation::Agrees: return "agrees";
    case PartsRelation::Coprime: return "coprime";
    }
    return "";
}

void member(JsonWriter& json, const char* name, std::int64_t value)
{
    json.key(name);
    json.value(value);
}

void writeLater(JsonWriter& json, const CaseAnswer& answer, ResultFields fields)
{
    const SuccessiveDeaths& deaths = *answer.successive;
    json.key("later");
    json.beginArray();
    for (std::size_t i = 0; i < deaths.later.size(); ++i) {
        const LaterDeath& death = deaths.later[i];
        json.beginObject();
        json.key("deceased");
        json.value(refText(death.deceased));
        json.key("same");
        json.beginObject();
        // The kinds in their order, then the relatives by path as given.
        for (const HeirKindInfo& info : heirKinds()) {
            for (const SameLink& link : death.same) {
                if (link.kind != info.kind || !link.path.empty()) continue;
                json.key(info.code);
                json.value(refText(link.earlier));
            }
        }
        for (const SameLink& link : death.same) {
            if (link.path.empty()) continue;
            json.key(groupText(link.heirsAt(1)));
            json.value(refText(link.earlier));
        }
        json.endObject();
        const std::vector<SolutionStep> steps = answer.explained() ? deaths.solution(i) : std::vector<SolutionStep>{};
        const DeathCase& dc = deaths.deaths()[i + 1];
        DeathResult result{death.counts, dc.computation, answer.explained() ? &steps : nullptr};
        if (dc.byPath) {
            result.relatives = dc.relatives;
            result.byPath = &*dc.byPath;
        }
        writeCaseMembers(json, result, fields);
        json.endObject();
    }
    json.endArray();
}

void writeDeaths(JsonWriter& json, const CombinedTable& table)
{
    json.key("deaths");
    json.beginArray();
    for (std::size_t d = 0; d < table.caseBases.size(); ++d) {
        json.beginObject();
        member(json, "death", static_cast<std::int64_t>(d) + 1);
        member(json, "base", table.caseBases[d]);
        member(json, "multiplier", table.multipliers[d]);
        if (d > 0) {
            const JoinStep& join = table.joins[d - 1];
            member(json, "deceasedParts", join.deceasedParts);
            json.key("relation");
            json.value(relationKey(join.relation));
            member(json, "commonFactor", join.commonFactor);
            member(json, "earlierMultiplier", join.earlierMultiplier);
            member(json, "caseMultiplier", join.caseMultiplier);
            member(json, "combinedBase", join.baseAfter);
        }
        json.endObject();
    }
    json.endArray();
}

void text(JsonWriter& json, const char* name, const std::string& value)
{
    json.key(name);
    json.value(value);
}

void writeMoney(JsonWriter& json, const estate::GroupAmount& a, int decimals)
{
    text(json, "exact", estate::exactText(a.exact));
    text(json, "perHeadExact", estate::exactText(a.perHeadExact));
    text(json, "amount", estate::amountText(a.amount, decimals));
    text(json, "perHead", estate::amountText(a.perHead, decimals));
}

void writeHeirs(JsonWriter& json, const CaseAnswer& answer)
{
    const CombinedTable& table = answer.successive->table();
    const std::optional<estate::CombinedSettlement>& settlement = answer.combinedSettlement;
    json.key("heirs");
    json.beginArray();
    std::size_t paid = 0;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        const PersonGroup& g = table.groups[i];
        if (!g.alive() || g.parts == 0) continue;
        json.beginObject();
        text(json, "ref", refText(g.ref));
        json.key("also");
        json.beginArray();
        for (const GroupRef& r : g.also) json.value(refText(r));
        json.endArray();
        member(json, "count", g.count);
        member(json, "parts", g.parts);
        text(json, "fraction", Fraction::of(g.parts, table.base).text());
        if (settlement) writeMoney(json, settlement->groups.at(paid++), settlement->inputs.decimals);
        json.endObject();
    }
    json.endArray();
}

void writeCombinedEstate(JsonWriter& json, const estate::CombinedSettlement& s)
{
    json.key("estate");
    json.beginObject();
    text(json, "net", estate::amountText(s.claims.net, s.inputs.decimals));
    text(json, "undistributed", estate::amountText(s.undistributed, s.inputs.decimals));
    text(json, "undistributedExact", estate::exactText(s.undistributedExact));
    text(json, "roundingDifference", estate::amountText(s.roundingDifference, s.inputs.decimals));
    json.endObject();
}

std::string_view stepKey(CombinedStepType type)
{
    switch (type) {
    case CombinedStepType::Join: return "join";
    case CombinedStepType::Reduction: return "reduction";
    case CombinedStepType::Base: return "base";
    case CombinedStepType::Heirs: return "heirs";
    case CombinedStepType::Undistributed: return "undistributed";
    }
    return "";
}

void writeCombinedSteps(JsonWriter& json, const std::vector<CombinedStep>& steps)
{
    json.key("steps");
    json.beginArray();
    for (const CombinedStep& step : steps) {
        json.beginObject();
        json.key("step");
        json.value(stepKey(step.type));
        json.key("text");
        json.value(step.text);
        if (step.type == CombinedStepType::Join) member(json, "death", step.death);
        if (step.type == CombinedStepType::Heirs) text(json, "ref", refText(step.ref));
        if (step.type != CombinedStepType::Join) member(json, "parts", step.parts);
        if (step.type == CombinedStepType::Reduction) member(json, "by", step.by);
        json.endObject();
    }
    json.endArray();
}

void writeCombined(JsonWriter& json, const CaseAnswer& answer)
{
    const CombinedTable& table = answer.successive->table();
    json.key("combined");
    json.beginObject();
    member(json, "base", table.base);
    member(json, "reducedBy", table.reducedBy);
    writeDeaths(json, table);
    writeHeirs(json, answer);
    json.key("undistributed");
    json.beginObject();
    member(json, "parts", table.undistributed);
    text(json, "fraction", Fraction::of(table.undistributed, table.base).text());
    json.endObject();
    if (answer.combinedSettlement) writeCombinedEstate(json, *answer.combinedSettlement);
    if (answer.explained()) writeCombinedSteps(json, answer.successive->combinedSteps());
    json.endObject();
}

}  // namespace

void writeLaterDeathsResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                            std::optional<long> lineNumber)
{
    if (!answer.joined()) {
        json.beginObject();
        text(json, "error", answer.successive->englishRefusalText());
        if (lineNumber) member(json, "line", *lineNumber);
        json.endObject();
        return;
    }
    FirstDeathResult first(answer);
    // The estate is divided by the combined table: the first death's own
    // table would pay the heirs who died after him.
    static const KindCounts kNoKind;
    std::optional<estate::Settlement> combined;
    if (answer.combinedSettlement) combined = estate::withoutKinds(*answer.combinedSettlement);
    DeathResult members = first.death;
    members.settlement = combined ? &*combined : nullptr;
    members.settledHeirs = &kNoKind;
    json.beginObject();
    writeCaseMembers(json, members, fields);
    if (fields.hasLater()) writeLater(json, answer, fields);
    if (fields.hasCombined()) writeCombined(json, answer);
    json.endObject();
}

void writeResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields, std::optional<long> lineNumber)
{
    if (answer.waiting) {
        writeWaitingResult(json, answer, fields, lineNumber);
    } else if (answer.together) {
        writeTogetherResult(json, answer, fields, lineNumber);
    } else if (answer.successive) {
        writeLaterDeathsResult(json, answer, fields, lineNumber);
    } else {
        writeCaseResult(json, answer, fields, lineNumber);
    }
}

}  // namespace qismaru::calc
