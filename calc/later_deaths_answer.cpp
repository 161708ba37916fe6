#include "calc/later_deaths_answer.h"

#include "present/deaths_refusal_text.h"

namespace qismaru::calc {

namespace {

// A death without heirs has no case to compute: the joining refuses it.
CaseAnswer answerDeath(const KindCounts& counts, bool explain, const Positions& positions)
{
    CaseInput asked;
    asked.counts = counts;
    if (counts.empty()) return CaseAnswer{counts, {}, explain, {}, std::nullopt};
    return answerCase(asked, explain, positions);
}

}  // namespace

bool LaterDeathsAnswer::beyondExactRange() const
{
    return refusal.problem == DeathsProblem::CaseBeyondExactRange ||
           refusal.problem == DeathsProblem::CombinedBeyondExactRange;
}

LaterDeathsAnswer answerLaterDeaths(const CaseInput& input, bool explain, const Positions& positions)
{
    LaterDeathsAnswer answer;
    answer.first = answerCase(input, explain, positions);
    answer.later = input.later;
    answer.deaths.push_back({answer.first.counts, answer.first.computation});
    for (const LaterDeath& death : input.later) {
        answer.laterAnswers.push_back(answerDeath(death.counts, explain, positions));
        answer.deaths.push_back({death.counts, answer.laterAnswers.back().computation});
    }
    answer.refusal = combineDeaths(answer.deaths, answer.later, answer.table);
    if (answer.refusal.refused()) return answer;
    if (input.estate) answer.settlement = estate::settleCombined(*input.estate, answer.table);
    if (explain) answer.steps = combinedSteps(answer.deaths, answer.later, answer.table);
    return answer;
}

std::string refusalText(const LaterDeathsAnswer& answer)
{
    return estate::englishRefusalText(answer.refusal, answer.deaths);
}

}  // namespace qismaru::calc
