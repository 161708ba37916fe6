#include "calc/waiting_json.h"

#include "calc/heir_codes.h"

namespace qismaru::calc {

namespace {

void writeHeir(JsonWriter& json, std::string_view path, std::string_view label, const Fraction& fraction)
{
    json.beginObject();
    json.key("path");
    json.value(path);
    json.key("label");
    json.value(label);
    json.key("fraction");
    json.value(fraction.text());
    json.endObject();
}

void writeUndistributed(JsonWriter& json, const Fraction& noHeir)
{
    if (noHeir.isZero()) return;
    json.key("undistributed");
    json.value(noHeir.text());
}

void writeClaims(JsonWriter& json, const std::vector<Claimant>& claimants, const std::vector<Fraction>& shares)
{
    json.beginArray();
    for (std::size_t i = 0; i < claimants.size(); ++i)
        writeHeir(json, claimants[i].path, claimants[i].label, shares[i]);
    json.endArray();
}

void writeOutcome(JsonWriter& json, const std::vector<Claimant>& claimants, const std::string& name,
                  const std::vector<Fraction>& shares, const Fraction& noHeir)
{
    json.beginObject();
    json.key("outcome");
    json.value(name);
    json.key("heirs");
    writeClaims(json, claimants, shares);
    writeUndistributed(json, noHeir);
    json.endObject();
}

void writeDivision(JsonWriter& json, const WaitingDivision& d)
{
    json.key("waiting");
    json.beginObject();
    json.key("given");
    writeClaims(json, d.claimants, d.given);
    json.key("reserve");
    json.value(d.reserve.text());
    writeUndistributed(json, d.noHeir);
    json.key("outcomes");
    json.beginArray();
    // Settled at once, the one division is final: the estimates it weighed
    // are what the khuntha's sexes would have given.
    if (d.atOnce()) {
        for (const Estimate& e : d.outcomes.front().estimates)
            writeOutcome(json, d.claimants, e.name, e.shares, e.noHeir);
    } else {
        for (const WaitingOutcome& o : d.outcomes) writeOutcome(json, d.claimants, o.name, o.shares, o.noHeir);
    }
    json.endArray();
    json.endObject();
}

// The question as it was asked, so that a result line reads back as it.
void writeWaitingQuestion(JsonWriter& json, const CaseQuestion& q)
{
    writeCounts(json, q.counts);
    if (q.unborn) {
        json.key("unborn");
        json.beginObject();
        json.key("as");
        json.value(q.unborn->as.path);
        if (q.unborn->most > 0) {
            json.key("most");
            json.value(q.unborn->most);
        }
        json.endObject();
    }
    if (q.missing) {
        json.key("missing");
        json.beginObject();
        json.key("path");
        json.value(q.missing->relation.path);
        json.key("count");
        json.value(q.missing->count);
        json.endObject();
    }
    if (q.unclear) {
        json.key("khuntha");
        json.beginObject();
        json.key("as");
        json.value(q.unclear->as.path);
        json.key("count");
        json.value(q.unclear->count);
        json.key("hope");
        json.value(q.unclear->hope);
        json.endObject();
    }
}

void writeLineNumber(JsonWriter& json, std::optional<long> lineNumber)
{
    if (!lineNumber) return;
    json.key("line");
    json.value(std::int64_t{*lineNumber});
}

// A refused case: its question and why, as a case beyond the exact range is written.
bool writtenAsRefused(JsonWriter& json, const CaseAnswer& answer, std::optional<long> lineNumber)
{
    const std::string why = waitingRefusalText(answer);
    if (why.empty()) return false;
    if (answer.waiting) writeWaitingQuestion(json, answer.question);
    json.key("error");
    json.value(why);
    writeLineNumber(json, lineNumber);
    return true;
}

void writeTogetherHeirs(JsonWriter& json, const DiedTogether& t, const std::vector<TogetherHeir>& heirs,
                        const std::vector<PassedOn>* passedOn)
{
    json.beginArray();
    for (const TogetherHeir& h : heirs) {
        const std::string_view path =
            h.dead >= 0 ? std::string_view(t.deaths[static_cast<std::size_t>(h.dead)].name) : pathOf(h.kind);
        if (h.dead < 0 || !passedOn) {
            writeHeir(json, path, "", h.fraction);
            continue;
        }
        json.beginObject();
        json.key("path");
        json.value(path);
        json.key("label");
        json.value("");
        json.key("fraction");
        json.value(h.fraction.text());
        for (const PassedOn& p : *passedOn) {
            if (p.dead != h.dead) continue;
            json.key("passedOn");
            writeTogetherHeirs(json, t, p.heirs, nullptr);
            writeUndistributed(json, p.noHeir);
        }
        json.endObject();
    }
    json.endArray();
}

void writeTogether(JsonWriter& json, const DiedTogether& t, const TogetherDivision& d)
{
    json.key("together");
    json.beginArray();
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        json.beginObject();
        json.key("name");
        json.value(t.deaths[i].name);
        json.key("heirs");
        writeTogetherHeirs(json, t, e.heirs, &e.passedOn);
        writeUndistributed(json, e.noHeir);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

void writeWaitingResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields, std::optional<long> lineNumber)
{
    json.beginObject();
    if (!writtenAsRefused(json, answer, lineNumber)) {
        if (fields.has("counts")) writeWaitingQuestion(json, answer.question);
        if (fields.has("school")) writeSchool(json, answer.positions());
        if (fields.has("waiting")) writeDivision(json, *answer.waiting);
    }
    json.endObject();
}

void writeTogetherResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                         std::optional<long> lineNumber)
{
    json.beginObject();
    if (!writtenAsRefused(json, answer, lineNumber)) {
        if (fields.has("school")) writeSchool(json, answer.positions());
        if (fields.has("together")) writeTogether(json, *answer.question.together, *answer.together);
    }
    json.endObject();
}

}  // namespace qismaru::calc
