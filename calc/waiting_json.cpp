#include "calc/waiting_json.h"

#include "calc/heir_codes.h"
#include "calc/steps_json.h"

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

// The money beside the fractions, with the estate: each heir's amount (and,
// in an outcome, what the reserve then pays him), what goes to no heir.
class WaitingMoney {
public:
    explicit WaitingMoney(const estate::WaitingSettlement* s) : s_(s && s->divided ? s : nullptr) {}

    void amount(JsonWriter& json, const char* name, estate::Minor minor) const
    {
        json.key(name);
        json.value(estate::amountText(minor, s_->inputs.decimals));
    }
    bool given() const { return s_ != nullptr; }
    const estate::WaitingSettlement& settlement() const { return *s_; }

private:
    const estate::WaitingSettlement* s_;
};

void writeClaims(JsonWriter& json, const std::vector<Claimant>& claimants, const std::vector<Fraction>& shares,
                 const WaitingMoney& money, const estate::ClaimantsAmounts* amounts,
                 const estate::OutcomeAmounts* outcome)
{
    json.beginArray();
    for (std::size_t i = 0; i < claimants.size(); ++i) {
        if (!amounts) {
            writeHeir(json, claimants[i].path, claimants[i].label, shares[i]);
            continue;
        }
        json.beginObject();
        json.key("path");
        json.value(claimants[i].path);
        json.key("label");
        json.value(claimants[i].label);
        json.key("fraction");
        json.value(shares[i].text());
        money.amount(json, "amount", amounts->claimants[i].amount);
        if (outcome) money.amount(json, "fromReserve", outcome->fromReserve[i]);
        json.endObject();
    }
    json.endArray();
}

void writeLeftover(JsonWriter& json, const Fraction& noHeir, const WaitingMoney& money,
                   const estate::ClaimantsAmounts* amounts)
{
    writeUndistributed(json, noHeir);
    if (!amounts) return;
    if (!noHeir.isZero()) money.amount(json, "undistributedAmount", amounts->undistributed);
    money.amount(json, "roundingDifference", amounts->roundingDifference);
}

// An estimate weighed at once (`fromReserve` false) pays nothing from a reserve.
void writeOutcome(JsonWriter& json, const std::vector<Claimant>& claimants, const std::string& name,
                  const std::vector<Fraction>& shares, const Fraction& noHeir, const WaitingMoney& money,
                  std::size_t index, bool fromReserve)
{
    const estate::OutcomeAmounts* amounts = money.given() ? &money.settlement().outcomes[index] : nullptr;
    json.beginObject();
    json.key("outcome");
    json.value(name);
    json.key("heirs");
    writeClaims(json, claimants, shares, money, amounts, fromReserve ? amounts : nullptr);
    writeLeftover(json, noHeir, money, amounts);
    json.endObject();
}

// The claims on the estate and the net, as for any case; the money of the
// division is written beside its fractions under "waiting".
void writeWaitingEstate(JsonWriter& json, const estate::WaitingSettlement& s)
{
    const estate::Claims& c = s.claims;
    json.key("estate");
    json.beginObject();
    const auto amount = [&](const char* name, estate::Minor minor) {
        json.key(name);
        json.value(estate::amountText(minor, s.inputs.decimals));
    };
    amount("gross", s.inputs.gross);
    amount("funeral", c.funeralPaid);
    amount("unpaidFuneral", c.unpaidFuneral);
    amount("debts", c.debtsPaid);
    amount("bequestAsked", c.bequestAsked);
    amount("bequest", c.bequestAllowed);
    amount("net", c.net);
    amount("unpaidDebts", c.unpaidDebts);
    json.endObject();
}

// The outcome once known: each heir's final share (and amount), and what
// the reserve pays him ("reserveShare", and with an estate "fromReserve").
void writeRecorded(JsonWriter& json, const WaitingDivision& d, const RecordedOutcome& r, const WaitingMoney& money)
{
    const estate::OutcomeAmounts* amounts = r.amounts ? &*r.amounts : nullptr;
    json.key("recorded");
    json.beginObject();
    json.key("outcome");
    json.value(r.outcome.name);
    json.key("heirs");
    json.beginArray();
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        json.beginObject();
        json.key("path");
        json.value(d.claimants[i].path);
        json.key("label");
        json.value(d.claimants[i].label);
        json.key("fraction");
        json.value(r.outcome.shares[i].text());
        json.key("reserveShare");
        json.value(r.payout->toClaimant[i].text());
        if (amounts) {
            money.amount(json, "amount", amounts->claimants[i].amount);
            money.amount(json, "fromReserve", amounts->fromReserve[i]);
        }
        json.endObject();
    }
    json.endArray();
    writeLeftover(json, r.outcome.noHeir, money, amounts);
    json.endObject();
}

void writeDivision(JsonWriter& json, const CaseAnswer& answer, const WaitingMoney& money)
{
    const WaitingDivision& d = *answer.waiting;
    const estate::ClaimantsAmounts* given = money.given() ? &money.settlement().given : nullptr;
    json.key("waiting");
    json.beginObject();
    json.key("given");
    writeClaims(json, d.claimants, d.given, money, given, nullptr);
    json.key("reserve");
    json.value(d.reserve.text());
    if (given) {
        money.amount(json, "reserveAmount", money.settlement().reserve);
        json.key("reserveExact");
        json.value(estate::exactText(money.settlement().reserveExact));
    }
    writeLeftover(json, d.noHeir, money, given);
    json.key("outcomes");
    json.beginArray();
    // Settled at once, the one division is final: the estimates it weighed
    // are what the khuntha's sexes would have given.
    if (d.atOnce()) {
        const std::vector<Estimate>& estimates = d.outcomes.front().estimates;
        for (std::size_t i = 0; i < estimates.size(); ++i)
            writeOutcome(json, d.claimants, estimates[i].name, estimates[i].shares, estimates[i].noHeir, money, i,
                         false);
    } else {
        for (std::size_t i = 0; i < d.outcomes.size(); ++i)
            writeOutcome(json, d.claimants, d.outcomes[i].name, d.outcomes[i].shares, d.outcomes[i].noHeir, money, i,
                         true);
    }
    json.endArray();
    if (answer.recorded) writeRecorded(json, d, *answer.recorded, money);
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
    if (!q.outcome.empty()) {
        json.key("outcome");
        json.value(q.outcome);
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
        const estate::WaitingSettlement* settlement = answer.waitingSettlement ? &*answer.waitingSettlement : nullptr;
        if (fields.has("estate") && settlement) writeWaitingEstate(json, *settlement);
        if (fields.has("steps") && answer.explained()) writeSteps(json, answer.solution());
        if (fields.has("waiting")) writeDivision(json, answer, WaitingMoney(settlement));
    }
    json.endObject();
}

void writeTogetherResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                         std::optional<long> lineNumber)
{
    json.beginObject();
    if (!writtenAsRefused(json, answer, lineNumber)) {
        if (fields.has("school")) writeSchool(json, answer.positions());
        if (fields.has("steps") && answer.explained()) writeSteps(json, answer.solution());
        if (fields.has("together")) writeTogether(json, *answer.question.together, *answer.together);
    }
    json.endObject();
}

}  // namespace qismaru::calc
