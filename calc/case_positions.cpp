#include "calc/case_positions.h"

#include "model/case_entry.h"

namespace qismaru::calc {

PositionsChoice positionsFor(const CaseInput& input, const Positions& defaults)
{
    PositionsChoice choice{defaults, {}};
    Positions& p = choice.positions;
    if (input.school) p.school = *input.school;
    if (input.spouseReturn) p.spouseReturn = *input.spouseReturn;
    if (input.noReturn) p.noReturn = *input.noReturn;

    choice.error = positionsProblemText(p);
    if (choice.error.empty()) choice.error = grandmotherLimitProblem(input.counts, p.school);
    return choice;
}

CaseQuestion questionOf(const CaseInput& input, const Positions& positions)
{
    return {input.counts, positions, input.estate, input.later};
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
