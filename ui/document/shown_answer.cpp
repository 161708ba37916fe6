#include "ui/document/shown_answer.h"

#include "estate/combined_report.h"
#include "estate/settlement.h"
#include "present/deaths_refusal_text.h"
#include "present/positions_text.h"

namespace qismaru::ui {

namespace {

// Every later death's case computed by the positions of the first, with its
// decisions for the solution, then all of them joined to the first.
SuccessiveDeaths joinLaterDeaths(const KindCounts& counts, const CaseComputation& first,
                                 const std::vector<estate::LaterDeathEntry>& later)
{
    SuccessiveDeaths joined;
    joined.deaths.reserve(later.size() + 1);
    joined.traces.reserve(later.size());
    joined.deaths.push_back({counts, first});
    for (const estate::LaterDeathEntry& entry : later) {
        const LaterDeath& death = joined.later.emplace_back(estate::laterDeathOf(entry));
        joined.deaths.push_back(deathCaseOf(death.counts, first.positions, &joined.traces.emplace_back()));
    }
    joined.refusal = combineDeaths(joined.deaths, joined.later, joined.table);
    return joined;
}

}  // namespace

std::vector<SolutionStep> SuccessiveDeaths::solution(std::size_t laterDeath) const
{
    const DeathCase& death = deaths.at(laterDeath + 1);
    if (death.computation.outcome != CaseOutcome::Computed) return {};
    return solutionSteps(death.counts, death.computation, traces.at(laterDeath));
}

std::string SuccessiveDeaths::refusalText() const { return joined() ? "" : estate::arabicRefusalText(refusal, deaths); }

const CaseResult& ShownAnswer::result() const
{
    static const CaseResult none{};
    return computation ? computation->result : none;
}

std::vector<SolutionStep> ShownAnswer::solution() const
{
    if (!divided()) return {};
    return solutionSteps(counts, *computation, trace);
}

ShownAnswer openAnswer(const KindCounts& counts, const Positions& positions,
                       const std::vector<estate::LaterDeathEntry>& later)
{
    ShownAnswer answer;
    answer.counts = counts;
    answer.positions = positions;
    answer.later = later;
    return answer;
}

ShownAnswer computeAnswer(const KindCounts& counts, const Positions& positions,
                          const std::optional<estate::EstateInputs>& estate,
                          const std::vector<estate::LaterDeathEntry>& later)
{
    ShownAnswer answer = openAnswer(counts, positions, later);
    answer.computation = computeCase(counts, positions, &answer.trace);
    if (answer.computation->outcome == CaseOutcome::BeyondExactRange) return answer;
    answer.differsFromHanafi = answer.divided() && differsFromHanafi(counts, *answer.computation);
    if (answer.differsFromHanafi) answer.differenceMark = differenceMark(counts, *answer.computation);
    if (answer.divided() && !later.empty()) answer.successive = joinLaterDeaths(counts, *answer.computation, later);
    answer.settlement = settlementOf(answer, estate);
    return answer;
}

SuccessiveDeaths personsSoFar(const ShownAnswer& answer)
{
    if (answer.joined()) return *answer.successive;
    return joinLaterDeaths(answer.counts, *answer.computation, {});
}

std::optional<estate::EstateReport> settlementOf(const ShownAnswer& answer,
                                                 const std::optional<estate::EstateInputs>& estate)
{
    if (!estate || !answer.computed() || answer.computation->outcome == CaseOutcome::BeyondExactRange) {
        return std::nullopt;
    }
    std::optional<estate::EstateReport> report;
    if (answer.later.empty()) {
        const estate::Settlement settlement = estate::settleEstate(*estate, answer.counts, *answer.computation);
        report = estate::buildEstateReport(settlement, answer.counts, answer.result(), estate::Grouping::Accepted);
    } else if (answer.joined()) {
        const CombinedTable& table = answer.successive->table;
        report = estate::buildCombinedReport(estate::settleCombined(*estate, table), table);
    } else {
        return std::nullopt;
    }
    estate::notePositionsFirst(*report, answer.positions);
    return report;
}

}  // namespace qismaru::ui
