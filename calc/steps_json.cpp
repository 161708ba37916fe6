#include "calc/steps_json.h"

namespace qismaru::calc {

namespace {

const char* stepName(StepType type)
{
    switch (type) {
    case StepType::Excluded: return "excluded";
    case StepType::Fixed: return "fixed";
    case StepType::Residue: return "residue";
    case StepType::NothingLeft: return "nothing_left";
    case StepType::Base: return "base";
    case StepType::Increase: return "increase";
    case StepType::Return: return "return";
    case StepType::Correction: return "correction";
    case StepType::Division: return "division";
    case StepType::Named: return "named";
    case StepType::School: return "school";
    case StepType::Kindred: return "kindred";
    case StepType::Waiting: return "waiting";
    }
    return "";
}

void writeKinds(JsonWriter& json, const char* name, KindSet kinds)
{
    json.key(name);
    json.beginArray();
    kinds.forEach([&](HeirKind kind) { json.value(infoOf(kind).code); });
    json.endArray();
}

void writeNumber(JsonWriter& json, const char* name, std::int64_t n)
{
    json.key(name);
    json.value(n);
}

// The distant kindred stand in no kind: their steps name them by path alone.
void writeKind(JsonWriter& json, const SolutionStep& s)
{
    if (s.ofKindred) return;
    json.key("kind");
    json.value(infoOf(s.kind).code);
}

// The whole multiplier of a correction, and every group whose parts did not
// divide among its heads.
void writeCorrection(JsonWriter& json, const SolutionStep& s)
{
    writeNumber(json, "factor", s.factor);
    writeNumber(json, "reduced_by", s.reducedBy);
    writeNumber(json, "to", s.to);
    json.key("groups");
    json.beginArray();
    for (const HeadsGroup& g : s.groups) {
        json.beginObject();
        writeKinds(json, "kinds", g.kinds);
        writeNumber(json, "parts", g.parts);
        writeNumber(json, "heads", g.heads);
        writeNumber(json, "factor", g.factor);
        json.endObject();
    }
    json.endArray();
}

void writeSchoolRule(JsonWriter& json, const SolutionStep& s)
{
    writeKind(json, s);
    json.key("rule");
    json.value(s.rule);
    writeKinds(json, "kinds", s.kinds);
    if (s.rule == "grandfather") {
        json.key("share");
        json.value(s.share.text());
    }
}

void writeFields(JsonWriter& json, const SolutionStep& s)
{
    switch (s.type) {
    case StepType::Excluded:
        writeKind(json, s);
        writeKinds(json, "by", s.kinds);
        return;
    case StepType::Fixed:
        writeKind(json, s);
        json.key("share");
        json.value(s.share.text());
        json.key("basis");
        json.value(s.basis);
        return;
    case StepType::Residue:
        writeKind(json, s);
        writeKinds(json, "with", s.kinds);
        return;
    case StepType::NothingLeft: writeKind(json, s); return;
    case StepType::Base: writeNumber(json, "value", s.value); return;
    case StepType::Increase:
    case StepType::Return:
        writeNumber(json, "from", s.from);
        writeNumber(json, "to", s.to);
        return;
    case StepType::Correction: writeCorrection(json, s); return;
    case StepType::Division:
        writeKind(json, s);
        writeNumber(json, "parts", s.value);
        writeNumber(json, "heads", s.heads);
        writeNumber(json, "per_head", s.perHead);
        return;
    case StepType::Named: return;
    case StepType::School: writeSchoolRule(json, s); return;
    case StepType::Kindred:
    case StepType::Waiting: return;
    }
}

}  // namespace

void writeSteps(JsonWriter& json, const std::vector<SolutionStep>& steps)
{
    json.key("steps");
    json.beginArray();
    for (const SolutionStep& s : steps) {
        json.beginObject();
        json.key("step");
        json.value(stepName(s.type));
        json.key("text");
        json.value(s.text);
        writeFields(json, s);
        if (!s.relatives.empty()) {
            json.key("relatives");
            json.beginArray();
            for (const std::string& written : s.relatives) json.value(written);
            json.endArray();
        }
        json.endObject();
    }
    json.endArray();
}

}  // namespace qismaru::calc
