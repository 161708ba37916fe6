#include "ui/shown_answer.h"

#include "estate/settlement.h"
#include "present/positions_text.h"

namespace qismaru::ui {

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

ShownAnswer openAnswer(const KindCounts& counts, const Positions& positions)
{
    ShownAnswer answer;
    answer.counts = counts;
    answer.positions = positions;
    return answer;
}

ShownAnswer computeAnswer(const KindCounts& counts, const Positions& positions,
                          const std::optional<estate::EstateInputs>& estate)
{
    ShownAnswer answer = openAnswer(counts, positions);
    answer.computation = computeCase(counts, positions, &answer.trace);
    if (answer.computation->outcome == CaseOutcome::BeyondExactRange) return answer;
    answer.differsFromHanafi = answer.divided() && differsFromHanafi(counts, *answer.computation);
    if (answer.differsFromHanafi) answer.differenceMark = differenceMark(counts, *answer.computation);
    answer.settlement = settlementOf(answer, estate);
    return answer;
}

std::optional<estate::EstateReport> settlementOf(const ShownAnswer& answer,
                                                 const std::optional<estate::EstateInputs>& estate)
{
    if (!estate || !answer.computed() || answer.computation->outcome == CaseOutcome::BeyondExactRange) {
        return std::nullopt;
    }
    const estate::Settlement settlement = estate::settleEstate(*estate, answer.counts, *answer.computation);
    estate::EstateReport report =
        estate::buildEstateReport(settlement, answer.counts, answer.result(), estate::Grouping::Accepted);
    // The settlement follows the school of the table; the notes say which.
    report.notes.insert(report.notes.begin(), positionsLine(answer.positions));
    return report;
}

}  // namespace qismaru::ui
