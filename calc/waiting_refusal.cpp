#include "calc/case_json.h"
#include "calc/waiting_json.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

const char* const kOutcomeBeyondExactRange =
    "a figure of the division passes 2^53 (9007199254740992), beyond which parts cannot be computed exactly";

std::string schoolRefusesText(const Positions& positions)
{
    return std::string("more grandmothers than the ") + std::string(schoolInfo(positions.school).key) +
           " school lets inherit together";
}

std::string waitingProblemText(WaitingProblem problem, const Positions& positions)
{
    switch (problem) {
    case WaitingProblem::None: return "";
    case WaitingProblem::NothingWaits: return "no unborn child, missing heir or khuntha is given";
    case WaitingProblem::CannotBeUnclear:
        return "an unborn child or a khuntha is a child, a sibling, a nephew, an uncle or a cousin, never a parent, a "
               "spouse or a woman";
    case WaitingProblem::UnknownRelation: return "a relation that is no heir's";
    case WaitingProblem::CountOutOfRange: return "more heirs of one kind than " + std::to_string(kMaxCount);
    case WaitingProblem::SingleKindTaken:
        return "a missing father, mother, grandfather or husband is one alone: none may be given present beside him";
    case WaitingProblem::ValidationStop: return "a husband beside wives, or more than four wives";
    case WaitingProblem::SchoolRefuses: return schoolRefusesText(positions);
    case WaitingProblem::BeyondExactRange: return kOutcomeBeyondExactRange;
    }
    return "";
}

std::string togetherProblemText(TogetherProblem problem, const Positions& positions)
{
    using enum TogetherProblem;
    switch (problem) {
    case None: return "";
    case TooFewDeaths: return "those who died together are two deaths or more, under \"deaths\"";
    case NameMissing: return "a death without a name";
    case NameTwice: return "two deaths of one name";
    case UnknownName: return "a relation names one who is not among the deaths";
    case OwnRelation: return "a relation of a death to himself";
    case UnknownRelation: return "a relation that is no heir's path, such as \"b\" or \"s\"";
    case RelationTwice: return "two relations between the same two deaths";
    case SingleKindTaken: return "a second father, mother, grandfather or husband";
    case CountOutOfRange: return "more heirs of one kind than " + std::to_string(kMaxCount);
    case ValidationStop: return "a husband beside wives, or more than four wives";
    case SchoolRefuses: return schoolRefusesText(positions);
    case BeyondExactRange: return kOutcomeBeyondExactRange;
    }
    return "";
}

}  // namespace

std::string waitingRefusalText(const CaseAnswer& answer)
{
    if (answer.waiting && answer.waiting->refused()) {
        const WaitingDivision& d = *answer.waiting;
        const std::string why = waitingProblemText(d.problem, answer.positions());
        return d.problemOutcome.empty() ? why : "in the outcome '" + d.problemOutcome + "': " + why;
    }
    if (answer.recorded && !answer.recorded->fits && answer.waiting->atOnce()) {
        return "the khuntha is settled at once under the " + std::string(schoolInfo(answer.positions().school).key) +
               " school: no outcome waits to be recorded";
    }
    if (answer.recorded && !answer.recorded->fits) {
        std::string names;
        for (const WaitingOutcome& o : answer.waiting->outcomes) names += (names.empty() ? "" : " ") + o.name;
        return "the outcome '" + std::string(cutAtCharacter(answer.recorded->name, kEchoedBytes)) +
               "' is not one of what waits (" + (names.empty() ? "male female" : names) + ", ...)";
    }
    if (answer.recorded && answer.recorded->problem != WaitingProblem::None) {
        return "in the outcome '" + answer.recorded->name +
               "': " + waitingProblemText(answer.recorded->problem, answer.positions());
    }
    if (answer.together && answer.together->refusal.refused()) {
        const TogetherRefusal& r = answer.together->refusal;
        const std::string why = togetherProblemText(r.problem, answer.positions());
        if (r.death < 0) return why;
        return "death '" + answer.question.together->deaths[static_cast<std::size_t>(r.death)].name + "': " + why;
    }
    return "";
}

bool waitingBeyondExactRange(const CaseAnswer& answer)
{
    return (answer.waiting && answer.waiting->problem == WaitingProblem::BeyondExactRange) ||
           (answer.recorded && answer.recorded->problem == WaitingProblem::BeyondExactRange) ||
           (answer.together && answer.together->refusal.problem == TogetherProblem::BeyondExactRange);
}

}  // namespace qismaru::calc
