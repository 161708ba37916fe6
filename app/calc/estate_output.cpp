#include "app/calc/estate_output.h"

#include "app/calc/json_writer.h"
#include "estate/estate_report.h"

namespace qismaru::calc {

namespace {

void amount(JsonWriter& json, const char* name, const estate::Minor& minor, int decimals)
{
    json.key(name);
    json.value(estate::amountText(minor, decimals));
}

void writeKinds(JsonWriter& json, const estate::Settlement& s)
{
    json.key("kinds");
    json.beginObject();
    for (const estate::KindAmount& k : s.kinds) {
        json.key(infoOf(k.kind).code);
        json.beginObject();
        json.key("count");
        json.value(k.count);
        json.key("exact");
        json.value(estate::exactText(k.exact));
        json.key("perHeadExact");
        json.value(estate::exactText(k.perHeadExact));
        amount(json, "amount", k.amount, s.inputs.decimals);
        amount(json, "perHead", k.perHead, s.inputs.decimals);
        json.endObject();
    }
    json.endObject();
}

}  // namespace

void writeEstateText(std::ostream& out, const estate::Settlement& settlement, const KindCounts& counts,
                     const CaseResult& result)
{
    out << '\n' << estate::reportText(estate::buildEstateReport(settlement, counts, result, estate::Grouping::Refused), " | ");
}

void writeEstateJson(JsonWriter& json, const estate::Settlement& s)
{
    const int d = s.inputs.decimals;
    const estate::Claims& c = s.claims;
    json.key("estate");
    json.beginObject();
    amount(json, "gross", s.inputs.gross, d);
    amount(json, "funeral", c.funeralPaid, d);
    amount(json, "unpaidFuneral", c.unpaidFuneral, d);
    amount(json, "debts", c.debtsPaid, d);
    amount(json, "bequestAsked", c.bequestAsked, d);
    amount(json, "bequest", c.bequestAllowed, d);
    amount(json, "net", c.net, d);
    amount(json, "unpaidDebts", c.unpaidDebts, d);
    writeKinds(json, s);
    const bool divided = s.division == estate::Division::Divided;
    const auto divisionAmount = [&](const char* name, const std::string& text) {
        json.key(name);
        if (divided) {
            json.value(text);
        } else {
            json.written("null");
        }
    };
    divisionAmount("undistributed", estate::amountText(s.undistributed, d));
    divisionAmount("undistributedExact", estate::exactText(s.undistributedExact));
    divisionAmount("roundingDifference", estate::amountText(s.roundingDifference, d));
    json.endObject();
}

}  // namespace qismaru::calc
