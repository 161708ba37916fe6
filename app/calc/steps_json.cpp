#include "app/calc/steps_json.h"

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

void writeFields(JsonWriter& json, const SolutionStep& s)
{
    const auto kind = [&] {
        json.key("kind");
        json.value(infoOf(s.kind).code);
    };
    const auto number = [&](const char* name, std::int64_t n) {
        json.key(name);
        json.value(n);
    };
    switch (s.type) {
    case StepType::Excluded:
        kind();
        writeKinds(json, "by", s.kinds);
        return;
    case StepType::Fixed:
        kind();
        json.key("share");
        json.value(s.share.text());
        json.key("basis");
        json.value(s.basis);
        return;
    case StepType::Residue:
        kind();
        writeKinds(json, "with", s.kinds);
        return;
    case StepType::NothingLeft: kind(); return;
    case StepType::Base: number("value", s.value); return;
    case StepType::Increase:
    case StepType::Return:
        number("from", s.from);
        number("to", s.to);
        return;
    case StepType::Correction:
        number("factor", s.factor);
        number("reduced_by", s.reducedBy);
        number("to", s.to);
        json.key("groups");
        json.beginArray();
        for (const HeadsGroup& g : s.groups) {
            json.beginObject();
            writeKinds(json, "kinds", g.kinds);
            number("parts", g.parts);
            number("heads", g.heads);
            number("factor", g.factor);
            json.endObject();
        }
        json.endArray();
        return;
    case StepType::Division:
        kind();
        number("parts", s.value);
        number("heads", s.heads);
        number("per_head", s.perHead);
        return;
    case StepType::Named: return;
    case StepType::School:
        kind();
        json.key("rule");
        json.value(s.rule);
        writeKinds(json, "kinds", s.kinds);
        if (s.rule == "grandfather") {
            json.key("share");
            json.value(s.share.text());
        }
        return;
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
