#include "calc/estate_output.h"

#include "calc/json_writer.h"
#include "estate/estate_report.h"

namespace qismaru::calc {

namespace {

// Writes the members of the "estate" object. Amounts and fractions are
// digits, signs and points only, so they are put in as written, in quotes,
// through one reused text: a batch writes some twenty of them a line.
class EstateMembers {
public:
    EstateMembers(JsonWriter& json, int decimals) : json_(json), decimals_(decimals) {}

    void amount(const char* name, const estate::Minor& minor)
    {
        start(name);
        estate::appendAmount(text_, minor, decimals_);
        finish();
    }

    void exact(const char* name, const estate::Ratio& major)
    {
        start(name);
        estate::appendExact(text_, major);
        finish();
    }

    void null(const char* name)
    {
        json_.key(name);
        json_.written("null");
    }

private:
    void start(const char* name)
    {
        json_.key(name);
        text_.assign(1, '"');
    }
    void finish()
    {
        text_ += '"';
        json_.written(text_);
    }

    JsonWriter& json_;
    const int decimals_;
    std::string text_;
};

// What the heads of a kind or of a relative receive, in the members both write.
void writeHeads(JsonWriter& json, EstateMembers& members, const estate::HeadsAmount& heads)
{
    json.key("count");
    json.value(heads.count);
    members.exact("exact", heads.exact);
    members.exact("perHeadExact", heads.perHeadExact);
    members.amount("amount", heads.amount);
    members.amount("perHead", heads.perHead);
}

void writeKinds(JsonWriter& json, EstateMembers& members, const estate::Settlement& s)
{
    json.key("kinds");
    json.beginObject();
    for (const estate::KindAmount& k : s.kinds) {
        json.key(infoOf(k.kind).code);
        json.beginObject();
        writeHeads(json, members, k);
        json.endObject();
    }
    json.endObject();
}

void writeRelatives(JsonWriter& json, EstateMembers& members, const estate::Settlement& s,
                    std::span<const RelativeEntry> relatives)
{
    json.key("relatives");
    json.beginArray();
    for (const estate::RelativeAmount& a : s.relatives) {
        json.beginObject();
        json.key("path");
        json.value(relatives[a.entry].written());
        json.key("label");
        json.value(relatives[a.entry].label);
        writeHeads(json, members, a);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

void writeEstateJson(JsonWriter& json, const estate::Settlement& s, const KindCounts& counts,
                     std::span<const RelativeEntry> relatives)
{
    const estate::Claims& c = s.claims;
    EstateMembers members(json, s.inputs.decimals);
    json.key("estate");
    json.beginObject();
    members.amount("gross", s.inputs.gross);
    members.amount("funeral", c.funeralPaid);
    members.amount("unpaidFuneral", c.unpaidFuneral);
    members.amount("debts", c.debtsPaid);
    members.amount("bequestAsked", c.bequestAsked);
    members.amount("bequest", c.bequestAllowed);
    members.amount("net", c.net);
    members.amount("unpaidDebts", c.unpaidDebts);
    writeKinds(json, members, s);
    if (!relatives.empty()) writeRelatives(json, members, s, relatives);
    if (s.division == estate::NetOutcome::Divided) {
        members.amount("bequestFromRest", s.bequestFromRest);
        members.amount("undistributed", s.undistributed);
        members.exact("undistributedExact", s.undistributedExact);
        members.amount("roundingDifference", s.roundingDifference);
    } else {
        for (const char* name : {"bequestFromRest", "undistributed", "undistributedExact", "roundingDifference"}) {
            members.null(name);
        }
    }
    json.key("notes");
    json.beginArray();
    estate::forEachNote(s, counts, estate::DigitGrouping::Refused,
                        [&json](std::string_view note) { json.ownText(note); });
    json.endArray();
    json.endObject();
}

}  // namespace qismaru::calc
