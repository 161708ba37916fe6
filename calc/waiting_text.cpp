#include "calc/waiting_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "estate/estate_report.h"
#include "present/heir_names.h"
#include "present/waiting_names.h"

namespace qismaru::calc {

namespace {

constexpr std::string_view kNoHeir = kNoHeirRowName;

// The amounts of the estate, when one is given.
class Money {
public:
    explicit Money(const CaseAnswer& answer)
        : s_(answer.waitingSettlement && answer.waitingSettlement->divided ? &*answer.waitingSettlement : nullptr)
    {
    }
    bool given() const { return s_ != nullptr; }
    const estate::WaitingSettlement& settlement() const { return *s_; }
    std::string text(estate::Minor minor) const { return estate::amountText(minor, s_->inputs.decimals); }

private:
    const estate::WaitingSettlement* s_;
};

// With an estate, each line has the amount beside the fraction, and in an
// outcome what the reserve then pays (or is owed back: more children than
// were provided for).
void writeShares(std::ostream& out, const WaitingDivision& d, const WaitingCase& wait,
                 const std::vector<Fraction>& shares, const Fraction& noHeir, const Money& money,
                 const estate::ClaimantsAmounts* amounts = nullptr, const estate::OutcomeAmounts* outcome = nullptr)
{
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        out << claimantName(d.claimants[i], wait) << " | " << shares[i].text();
        if (amounts) out << " | " << money.text(amounts->claimants[i].amount);
        if (outcome) out << " | " << money.text(outcome->fromReserve[i]);
        out << '\n';
    }
    if (noHeir.isZero()) return;
    out << kNoHeir << " | " << noHeir.text();
    if (amounts) out << " | " << money.text(amounts->undistributed);
    if (outcome) out << " | " << money.text(outcome->toNoHeirFromReserve);
    out << '\n';
}

}  // namespace

namespace {

void writeClaimsText(std::ostream& out, const estate::WaitingSettlement& s)
{
    for (const estate::AmountLine& line : estate::claimLines(s.inputs, s.claims, estate::DigitGrouping::Refused))
        out << line.label << " | " << line.amount << '\n';
    out << '\n';
}

void writeOutcomesText(std::ostream& out, const WaitingDivision& d, const WaitingCase& wait, const Money& money)
{
    const auto amounts = [&money](std::size_t i) { return money.given() ? &money.settlement().outcomes[i] : nullptr; };
    const std::string columns = money.given() ? "الوارث | نصيبه | المبلغ | من الموقوف\n" : "";
    if (d.atOnce()) {
        const std::vector<Estimate>& estimates = d.outcomes.front().estimates;
        for (std::size_t i = 0; i < estimates.size(); ++i) {
            out << "\nتقدير الخنثى: " << sexesText(estimates[i].name) << " (" << estimates[i].name << ")\n";
            if (money.given()) out << "الوارث | نصيبه | المبلغ\n";
            writeShares(out, d, wait, estimates[i].shares, estimates[i].noHeir, money, amounts(i));
        }
        return;
    }
    for (std::size_t i = 0; i < d.outcomes.size(); ++i) {
        const WaitingOutcome& o = d.outcomes[i];
        out << '\n' << outcomeHeading(wait, d.unclearRule, o) << '\n' << columns;
        writeShares(out, d, wait, o.shares, o.noHeir, money, amounts(i), amounts(i));
    }
}

// The outcome once known: each heir's final share and what the reserve
// pays him, in fractions and, with an estate, in money.
void writeRecordedText(std::ostream& out, const WaitingDivision& d, const WaitingCase& wait, const RecordedOutcome& r,
                       const Money& money)
{
    out << "\nعُلم الحال: " << outcomeHeading(wait, d.unclearRule, r.outcome) << '\n';
    out << (r.amounts ? "الوارث | نصيبه | من الموقوف | المبلغ | من الموقوف\n" : "الوارث | نصيبه | من الموقوف\n");
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        out << claimantName(d.claimants[i], wait) << " | " << r.outcome.shares[i].text() << " | "
            << r.payout->toClaimant[i].text();
        if (r.amounts)
            out << " | " << money.text(r.amounts->claimants[i].amount) << " | "
                << money.text(r.amounts->fromReserve[i]);
        out << '\n';
    }
    if (r.outcome.noHeir.isZero()) return;
    out << kNoHeir << " | " << r.outcome.noHeir.text() << " | " << r.payout->toNoHeir.text();
    if (r.amounts)
        out << " | " << money.text(r.amounts->undistributed) << " | " << money.text(r.amounts->toNoHeirFromReserve);
    out << '\n';
}

}  // namespace

void writeWaitingText(std::ostream& out, const CaseAnswer& answer)
{
    const CaseQuestion& q = answer.question;
    const WaitingCase wait = waitingCaseWith(q.counts, q.unborn, q.missing, q.unclear);
    const WaitingDivision& d = *answer.waiting;
    const Money money(answer);
    const estate::ClaimantsAmounts* given = money.given() ? &money.settlement().given : nullptr;
    if (given) writeClaimsText(out, money.settlement());
    out << (given ? "الوارث | يعطى الآن | المبلغ\n" : "الوارث | يعطى الآن\n");
    writeShares(out, d, wait, d.given, d.noHeir, money, given);
    out << "موقوف | " << d.reserve.text();
    if (given) out << " | " << money.text(money.settlement().reserve);
    out << '\n';
    if (given) out << "فرق التقريب | " << money.text(given->roundingDifference) << '\n';
    if (q.unborn) out << provisionSentence(d.provision) << '\n';
    writeOutcomesText(out, d, wait, money);
    if (answer.recorded && answer.recorded->payout) writeRecordedText(out, d, wait, *answer.recorded, money);
}

namespace {

void writeTogetherHeirs(std::ostream& out, const DiedTogether& t, const std::vector<TogetherHeir>& heirs,
                        std::string_view indent)
{
    for (const TogetherHeir& h : heirs) {
        const std::string name = h.dead >= 0 ? t.deaths[static_cast<std::size_t>(h.dead)].name + " (مات معه)"
                                             : countedHeirs(h.kind, h.count);
        out << indent << name << " | " << h.fraction.text() << '\n';
    }
}

}  // namespace

void writeTogetherText(std::ostream& out, const CaseAnswer& answer)
{
    const DiedTogether& t = *answer.question.together;
    const TogetherDivision& d = *answer.together;
    out << togetherRuleSentence(d.mutual) << '\n';
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        out << "\nتركة " << t.deaths[i].name << '\n';
        writeTogetherHeirs(out, t, e.heirs, "");
        if (!e.noHeir.isZero()) out << kNoHeir << " | " << e.noHeir.text() << '\n';
        for (const PassedOn& p : e.passedOn) {
            out << "نصيب " << t.deaths[static_cast<std::size_t>(p.dead)].name << " لورثته الأحياء\n";
            writeTogetherHeirs(out, t, p.heirs, "  ");
            if (!p.noHeir.isZero()) out << "  " << kNoHeir << " | " << p.noHeir.text() << '\n';
        }
    }
}

}  // namespace qismaru::calc
