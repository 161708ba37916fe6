#include "model/positions.h"

namespace qismaru {

std::string positionsProblemText(const Positions& positions)
{
    switch (problemOf(positions)) {
    case PositionsProblem::None: return "";
    case PositionsProblem::NoReturnOutsideItsSchools:
        return "no return is the early Maliki and Shafi'i doctrine; the " +
               std::string(schoolInfo(positions.school).key) +
               " school returns the surplus: give it with the maliki or shafii school";
    case PositionsProblem::BothReturns:
        return "the spouse return and no return contradict each other: give one of them";
    }
    return "";
}

}  // namespace qismaru
