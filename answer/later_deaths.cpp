#include "answer/later_deaths.h"

#include "present/deaths_refusal_text.h"

namespace qismaru {

bool SuccessiveDeaths::beyondExactRange() const
{
    const DeathsProblem problem = combined.refusal.problem;
    return problem == DeathsProblem::CaseBeyondExactRange || problem == DeathsProblem::CombinedBeyondExactRange;
}

std::vector<SolutionStep> SuccessiveDeaths::solution(std::size_t laterDeath) const
{
    const DeathCase& death = deaths().at(laterDeath + 1);
    if (death.computation.outcome != CaseOutcome::Computed) return {};
    DecisionTrace trace;
    const Positions& positions = deaths().front().computation.positions;
    if (death.byPath) {
        if (!death.byPath->divided()) return {};
        KindredTrace kindredTrace;
        const PathComputation again = computeCase(death.relatives, positions, &trace, &kindredTrace);
        return solutionSteps(death.relatives, again, trace, kindredTrace);
    }
    const CaseComputation again = computeCase(death.counts, positions, &trace);
    return solutionSteps(death.counts, again, trace);
}

std::vector<CombinedStep> SuccessiveDeaths::combinedSteps() const
{
    return qismaru::combinedSteps(deaths(), later, table());
}

std::string SuccessiveDeaths::heading(std::size_t laterDeath) const
{
    return laterDeathHeading(static_cast<int>(laterDeath) + 2, later.at(laterDeath), deaths());
}

std::string SuccessiveDeaths::refusalText() const
{
    return joined() ? "" : estate::arabicRefusalText(combined.refusal, deaths());
}

std::string SuccessiveDeaths::englishRefusalText() const
{
    return joined() ? "" : estate::englishRefusalText(combined.refusal, deaths());
}

SuccessiveDeaths joinLaterDeaths(std::span<const RelativeEntry> first, std::vector<LaterDeath> later,
                                 const Positions& positions)
{
    SuccessiveDeaths answer;
    answer.combined = computeSuccessiveDeaths(first, later, positions);
    answer.later = std::move(later);
    return answer;
}

SuccessiveDeaths joinLaterDeaths(const KindCounts& first, std::vector<LaterDeath> later, const Positions& positions)
{
    SuccessiveDeaths answer;
    answer.combined = computeSuccessiveDeaths(first, later, positions);
    answer.later = std::move(later);
    return answer;
}

}  // namespace qismaru
