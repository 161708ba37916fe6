#include "app/calc/case_positions.h"

namespace qismaru::calc {

PositionsChoice positionsFor(const CaseInput& input, const Positions& defaults)
{
    PositionsChoice choice{defaults, {}};
    Positions& p = choice.positions;
    if (input.school) p.school = *input.school;
    if (input.spouseReturn) p.spouseReturn = *input.spouseReturn;
    if (input.noReturn) p.noReturn = *input.noReturn;

    const SchoolInfo& school = schoolInfo(p.school);
    if (p.noReturn && !schoolMayRefuseReturn(p.school)) {
        choice.error = "no return is the early Maliki and Shafi'i doctrine; the " + std::string(school.key) +
                       " school returns the surplus: give it with the maliki or shafii school";
    } else if (p.noReturn && p.spouseReturn) {
        choice.error = "the spouse return and no return contradict each other: give one of them";
    } else if (school.grandmotherLimit > 0 && input.counts.of(HeirKind::Grandmothers) > school.grandmotherLimit) {
        choice.error = "the " + std::string(school.key) + " school lets at most " +
                       std::to_string(school.grandmotherLimit) + " grandmothers inherit together, not " +
                       std::to_string(input.counts.of(HeirKind::Grandmothers)) + " (gm)";
    }
    return choice;
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
