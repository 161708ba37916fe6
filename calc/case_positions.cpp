#include "calc/case_positions.h"

#include "engine/path_case.h"
#include "model/case_entry.h"

namespace qismaru::calc {

PositionsChoice positionsFor(const CaseInput& input, const Positions& defaults)
{
    PositionsChoice choice{defaults, {}};
    Positions& p = choice.positions;
    if (input.school) p.school = *input.school;
    if (input.spouseReturn) p.spouseReturn = *input.spouseReturn;
    if (input.noReturn) p.noReturn = *input.noReturn;
    if (input.kindredMethod) p.kindredMethod = *input.kindredMethod;

    choice.error = positionsProblemText(p);
    if (choice.error.empty() && p.kindredMethod != KindredMethod::Muhammad && p.school != School::Hanafi) {
        choice.error = "the kindred method abu-yusuf is the Hanafi school's; the " +
                       std::string(schoolInfo(p.school).key) +
                       " school places each of the distant kindred as the heir he is related through";
    }
    // A case by path is refused where the school cannot divide it (a
    // grandmother's line it does not count, "gm" beyond its limits, ...).
    if (choice.error.empty() && input.byPath) choice.error = resolveRelatives(input.relatives, p.school).refusal;
    if (choice.error.empty() && !input.byPath) choice.error = grandmotherLimitProblem(input.counts, p.school);
    return choice;
}

CaseQuestion questionOf(const CaseInput& input, const Positions& positions)
{
    return {input.counts, positions,     input.estate,  input.later,    input.relatives, input.byPath,
            input.unborn, input.missing, input.unclear, input.together, input.outcome};
}

std::string schoolKeys()
{
    std::string keys;
    for (const SchoolInfo& info : kSchools) {
        if (!keys.empty()) keys += ' ';
        keys += info.key;
    }
    return keys;
}

}  // namespace qismaru::calc
