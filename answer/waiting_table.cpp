#include "answer/waiting_table.h"

#include <algorithm>

#include "answer/waiting_answer.h"
#include "present/heir_names.h"
#include "present/waiting_names.h"

namespace qismaru {

namespace {

constexpr const char* kHeirColumn = "الوارث";
constexpr const char* kGivenNowColumn = "يعطى الآن";
constexpr const char* kAmountColumn = "المبلغ";
constexpr const char* kReserveRow = "موقوف";
constexpr const char* kNoHeirRow = kNoHeirRowName;

// The amounts of the estate as a reader reads them, when one is given and divided.
class Amounts {
public:
    Amounts(const CaseAnswer& answer, Reader reader)
        : s_(answer.waitingSettlement && answer.waitingSettlement->divided ? &*answer.waitingSettlement : nullptr),
          grouping_(reader == Reader::Page ? estate::DigitGrouping::Accepted : estate::DigitGrouping::Refused)
    {
    }
    bool given() const { return s_ != nullptr; }
    const estate::WaitingSettlement& settlement() const { return *s_; }
    estate::DigitGrouping grouping() const { return grouping_; }
    std::string text(estate::Minor minor) const { return estate::amountText(minor, s_->inputs.decimals, grouping_); }

private:
    const estate::WaitingSettlement* s_;
    estate::DigitGrouping grouping_;
};

// The outcomes' columns: each outcome that waits, or, where the school
// divides at once, each estimate it weighs.
std::vector<std::string> outcomeColumns(const WaitingDivision& d, const WaitingCase& wait)
{
    std::vector<std::string> columns;
    if (d.atOnce()) {
        for (const Estimate& e : d.outcomes.front().estimates)
            columns.push_back("تقدير الخنثى: " + sexesText(e.name) + " (" + e.name + ")");
        return columns;
    }
    for (const WaitingOutcome& o : d.outcomes) columns.push_back(outcomeHeading(wait, d.unclearRule, o));
    return columns;
}

// One claimant's (or no heir's, at -1) share in each outcome's column.
std::vector<std::string> outcomeCells(const WaitingDivision& d, int claimant)
{
    const auto cell = [claimant](const std::vector<Fraction>& shares, const Fraction& noHeir) {
        return (claimant < 0 ? noHeir : shares[static_cast<std::size_t>(claimant)]).text();
    };
    std::vector<std::string> cells;
    if (d.atOnce()) {
        for (const Estimate& e : d.outcomes.front().estimates) cells.push_back(cell(e.shares, e.noHeir));
    } else {
        for (const WaitingOutcome& o : d.outcomes) cells.push_back(cell(o.shares, o.noHeir));
    }
    return cells;
}

WaitingGrid divisionGrid(const CaseAnswer& answer, const WaitingCase& wait, const Amounts& amounts)
{
    const WaitingDivision& d = *answer.waiting;
    WaitingGrid grid;
    grid.columns.push_back(kHeirColumn);
    for (std::string& c : outcomeColumns(d, wait)) grid.columns.push_back(std::move(c));
    grid.columns.push_back(kGivenNowColumn);
    if (amounts.given()) grid.columns.push_back(kAmountColumn);
    const estate::ClaimantsAmounts* given = amounts.given() ? &amounts.settlement().given : nullptr;
    const auto addRow = [&](std::string name, int claimant, const Fraction& now, estate::Minor amount) {
        std::vector<std::string> row{std::move(name)};
        for (std::string& c : outcomeCells(d, claimant)) row.push_back(std::move(c));
        row.push_back(now.text());
        if (given) row.push_back(amounts.text(amount));
        grid.rows.push_back(std::move(row));
    };
    for (std::size_t i = 0; i < d.claimants.size(); ++i)
        addRow(claimantName(d.claimants[i], wait), static_cast<int>(i), d.given[i],
               given ? given->claimants[i].amount : 0);
    if (!d.noHeir.isZero() ||
        std::any_of(d.outcomes.begin(), d.outcomes.end(), [](const WaitingOutcome& o) { return !o.noHeir.isZero(); }))
        addRow(kNoHeirRow, -1, d.noHeir, given ? given->undistributed : 0);
    std::vector<std::string> reserve(grid.columns.size() - (given ? 2 : 1), "");
    reserve.front() = kReserveRow;
    reserve.push_back(d.reserve.text());
    if (given) reserve.push_back(amounts.text(amounts.settlement().reserve));
    grid.rows.push_back(std::move(reserve));
    return grid;
}

WaitingGrid recordedGrid(const CaseAnswer& answer, const WaitingCase& wait, const Amounts& amounts)
{
    const WaitingDivision& d = *answer.waiting;
    const RecordedOutcome& r = *answer.recorded;
    WaitingGrid grid;
    grid.columns = {kHeirColumn, "نصيبه", "من الموقوف"};
    if (r.amounts) grid.columns.insert(grid.columns.end(), {kAmountColumn, "من الموقوف (المبلغ)"});
    const auto addRow = [&](std::string name, const Fraction& share, const Fraction& fromReserve, estate::Minor amount,
                            estate::Minor amountFromReserve) {
        std::vector<std::string> row{std::move(name), share.text(), fromReserve.text()};
        if (r.amounts) row.insert(row.end(), {amounts.text(amount), amounts.text(amountFromReserve)});
        grid.rows.push_back(std::move(row));
    };
    for (std::size_t i = 0; i < d.claimants.size(); ++i)
        addRow(claimantName(d.claimants[i], wait), r.outcome.shares[i], r.payout->toClaimant[i],
               r.amounts ? r.amounts->claimants[i].amount : 0, r.amounts ? r.amounts->fromReserve[i] : 0);
    if (!r.outcome.noHeir.isZero())
        addRow(kNoHeirRow, r.outcome.noHeir, r.payout->toNoHeir, r.amounts ? r.amounts->undistributed : 0,
               r.amounts ? r.amounts->toNoHeirFromReserve : 0);
    return grid;
}

void addTogether(WaitingTables& tables, const DiedTogether& t, const TogetherDivision& d)
{
    tables.togetherRule = togetherRuleSentence(d.mutual);
    const auto heirRows = [&t](WaitingGrid& grid, const std::vector<TogetherHeir>& heirs, const Fraction& noHeir) {
        for (const TogetherHeir& h : heirs) {
            const std::string name = h.dead >= 0 ? t.deaths[static_cast<std::size_t>(h.dead)].name + " (مات معه)"
                                                 : countedHeirs(h.kind, h.count);
            grid.rows.push_back({name, h.fraction.text()});
        }
        if (!noHeir.isZero()) grid.rows.push_back({kNoHeirRow, noHeir.text()});
    };
    // Each table is reached by the back of the list as it is added: a
    // reference kept across the next emplace_back would dangle.
    const std::vector<std::string> columns{kHeirColumn, "نصيبه"};
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        tables.togetherHeadings.push_back("تركة " + t.deaths[i].name);
        WaitingGrid& grid = tables.together.emplace_back();
        grid.columns = columns;
        heirRows(grid, e.heirs, e.noHeir);
        for (const PassedOn& p : e.passedOn) {
            tables.togetherHeadings.push_back("نصيب " + t.deaths[static_cast<std::size_t>(p.dead)].name + " من تركة " +
                                              t.deaths[i].name + " لورثته الأحياء");
            WaitingGrid& passed = tables.together.emplace_back();
            passed.columns = columns;
            heirRows(passed, p.heirs, p.noHeir);
        }
    }
}

}  // namespace

WaitingTables waitingTables(const CaseAnswer& answer, Reader reader)
{
    WaitingTables tables;
    if (answer.together && answer.together->refusal.problem == TogetherProblem::None) {
        addTogether(tables, *answer.question.together, *answer.together);
        return tables;
    }
    if (!answer.waiting || answer.waiting->refused()) return tables;
    const WaitingCase wait = waitingCaseOf(answer.question);
    const Amounts amounts(answer, reader);
    if (amounts.given())
        tables.claims =
            estate::claimLines(amounts.settlement().inputs, amounts.settlement().claims, amounts.grouping());
    tables.division = divisionGrid(answer, wait, amounts);
    if (answer.question.unborn) tables.provision = provisionSentence(answer.waiting->provision);
    if (answer.recorded && answer.recorded->payout) {
        tables.recordedHeading =
            "عُلم الحال: " + outcomeHeading(wait, answer.waiting->unclearRule, answer.recorded->outcome);
        tables.recorded = recordedGrid(answer, wait, amounts);
    }
    return tables;
}

namespace {

void gridText(std::string& text, const WaitingGrid& grid)
{
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) text.append(i ? "\t" : "").append(cells[i]);
        text += '\n';
    };
    line(grid.columns);
    for (const std::vector<std::string>& row : grid.rows) line(row);
}

}  // namespace

std::string waitingTablesText(const WaitingTables& tables)
{
    std::string text;
    for (const estate::AmountLine& claim : tables.claims)
        text.append(claim.label).append("\t").append(claim.amount) += '\n';
    if (!tables.division.empty()) gridText(text, tables.division);
    if (!tables.provision.empty()) text.append(tables.provision) += '\n';
    if (!tables.recorded.empty()) {
        text.append(tables.recordedHeading) += '\n';
        gridText(text, tables.recorded);
    }
    if (!tables.togetherRule.empty()) text.append(tables.togetherRule) += '\n';
    for (std::size_t i = 0; i < tables.together.size(); ++i) {
        text.append(tables.togetherHeadings[i]) += '\n';
        gridText(text, tables.together[i]);
    }
    return text;
}

std::vector<OutcomeChoice> outcomeChoices(const CaseAnswer& answer)
{
    std::vector<OutcomeChoice> choices;
    if (!answer.waiting || answer.waiting->refused() || answer.waiting->atOnce()) return choices;
    const WaitingCase wait = waitingCaseOf(answer.question);
    for (const WaitingOutcome& o : answer.waiting->outcomes)
        choices.push_back({o.name, outcomeHeading(wait, answer.waiting->unclearRule, o)});
    return choices;
}

}  // namespace qismaru
