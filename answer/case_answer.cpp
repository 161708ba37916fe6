#include "answer/case_answer.h"

#include "answer/waiting_answer.h"
#include "estate/combined_report.h"
#include "present/positions_text.h"
#include "present/waiting_sentences.h"

namespace qismaru {

namespace {

// The estate of a single death is divided by its table, whatever its outcome
// (a stopped case or one beyond exact computation settles the claims
// alone); with later deaths, by the combined table once they join.
void settle(CaseAnswer& answer)
{
    const std::optional<estate::EstateInputs>& estate = answer.question.estate;
    if (!estate) return;
    if (answer.byPath && !answer.successive) {
        answer.settlement = estate::settleEstate(*estate, answer.relatives(), *answer.byPath);
    } else if (!answer.successive) {
        answer.settlement = estate::settleEstate(*estate, answer.counts(), *answer.computation);
    } else if (answer.joined()) {
        answer.combinedSettlement = estate::settleCombined(*estate, answer.successive->table());
    }
}

// A case by path is divided by path, and its later deaths joined to its
// rows, one for each relative.
CaseAnswer answerByPath(CaseAnswer answer, Detail detail)
{
    if (!answer.question.later.empty()) {
        answer.successive = joinLaterDeaths(answer.relatives(), answer.question.later, answer.positions());
    }
    std::shared_ptr<DecisionTrace> trace;
    std::shared_ptr<KindredTrace> kindredTrace;
    if (detail == Detail::Steps) {
        trace = std::make_shared<DecisionTrace>();
        kindredTrace = std::make_shared<KindredTrace>();
    }
    answer.byPath = computeCase(answer.relatives(), answer.positions(), trace.get(), kindredTrace.get());
    answer.computation = answer.byPath->computation;
    answer.trace = std::move(trace);
    answer.kindredTrace = std::move(kindredTrace);
    settle(answer);
    return answer;
}

}  // namespace

const CaseResult& CaseAnswer::result() const
{
    static const CaseResult none{};
    return computation ? computation->result : none;
}

ResultTable CaseAnswer::table(TableMedium medium) const
{
    if (!divided()) return {};
    if (byPath) return buildResultTable(relatives(), *byPath, medium);
    return buildResultTable(counts(), result(), medium);
}

std::vector<SolutionStep> CaseAnswer::solution() const
{
    if (waiting && trace) {
        const bool known = recorded && recorded->payout;
        return waitingSteps(waitingCaseOf(question), *waiting, known ? &recorded->outcome : nullptr,
                            known ? &*recorded->payout : nullptr);
    }
    if (together && trace) return togetherSteps(*question.together, *together, positions().school);
    if (!divided() || !trace) return {};
    if (byPath) return solutionSteps(relatives(), *byPath, *trace, *kindredTrace);
    return solutionSteps(counts(), *computation, *trace);
}

std::string CaseAnswer::heirsLine() const
{
    if (waiting || together) return waitingHeirsLine(question);
    return byPath ? caseHeirsLine(relatives()) : caseHeirsLine(counts());
}

std::string CaseAnswer::solutionText() const
{
    std::vector<SolutionStep> first = solution();
    if (waiting || together) return solutionBody(waitingHeirsLine(question), first);
    if (!joined()) return byPath ? qismaru::solutionText(relatives(), first) : qismaru::solutionText(counts(), first);
    std::vector<std::vector<SolutionStep>> solutions{std::move(first)};
    for (std::size_t i = 0; i < successive->later.size(); ++i) solutions.push_back(successive->solution(i));
    return successiveDeathsText(successive->deaths(), successive->later, solutions, successive->combinedSteps());
}

bool CaseAnswer::differsFromHanafi() const
{
    if (!divided()) return false;
    if (byPath) return qismaru::differsFromHanafi(relatives(), *byPath);
    return qismaru::differsFromHanafi(counts(), *computation);
}

std::string CaseAnswer::differenceMark() const
{
    if (!differsFromHanafi()) return "";
    return qismaru::differenceMark(byPath ? byPath->resolution.capacities.counts : counts(), *computation);
}

std::vector<std::string> messageTexts(const CaseComputation& computation)
{
    std::vector<std::string> texts;
    for (const CaseMessage message : computation.messages) texts.emplace_back(messageText(message));
    return texts;
}

std::vector<std::string> CaseAnswer::announcements() const
{
    if (!computation) return {};
    std::vector<std::string> said = messageTexts(*computation);
    // Beside distant kindred who inherit, what the spouse leaves is theirs.
    const bool kindredInherit = byPath && byPath->kindred;
    if (std::string surplus = surplusNote(*computation); !surplus.empty() && !kindredInherit)
        said.push_back(std::move(surplus));
    if (successive && !successive->joined()) said.push_back(successive->refusalText());
    return said;
}

std::optional<estate::EstateReport> CaseAnswer::estateReport(Reader reader) const
{
    const estate::DigitGrouping grouping =
        reader == Reader::Page ? estate::DigitGrouping::Accepted : estate::DigitGrouping::Refused;
    std::optional<estate::EstateReport> report;
    if (settlement && byPath) {
        report = estate::buildEstateReport(*settlement, relatives(), *byPath, grouping);
    } else if (settlement) {
        report = estate::buildEstateReport(*settlement, counts(), result(), grouping);
    } else if (combinedSettlement) {
        report = estate::buildCombinedReport(*combinedSettlement, successive->table(), grouping);
    } else {
        return std::nullopt;
    }
    if (reader == Reader::Page) estate::notePositionsFirst(*report, positions());
    return report;
}

CaseAnswer openAnswer(CaseQuestion question)
{
    CaseAnswer answer;
    answer.question = std::move(question);
    return answer;
}

CaseAnswer answerCase(CaseQuestion question, Detail detail)
{
    CaseAnswer answer = openAnswer(std::move(question));
    const CaseQuestion& asked = answer.question;
    if (asked.together) {
        answer.together = divideDiedTogether(*asked.together, asked.positions);
        if (detail == Detail::Steps) answer.trace = std::make_shared<DecisionTrace>();
        return answer;
    }
    if (asked.waits()) {
        answer.waiting = divideWaiting(waitingCaseOf(asked), asked.positions);
        // Its solution is told from the division: the trace only says it is asked for.
        if (detail == Detail::Steps) answer.trace = std::make_shared<DecisionTrace>();
        if (asked.estate) answer.waitingSettlement = estate::settleWaiting(*asked.estate, *answer.waiting);
        if (!asked.outcome.empty()) answer.recorded = recordOutcome(answer);
        return answer;
    }
    if (answer.question.byPath) return answerByPath(std::move(answer), detail);
    // The joining computes every death, the first too, and refuses a first
    // case that is not divided, naming it.
    if (!answer.question.later.empty()) {
        answer.successive = joinLaterDeaths(answer.counts(), answer.question.later, answer.positions());
    }
    if (detail == Detail::Steps) {
        auto trace = std::make_shared<DecisionTrace>();
        answer.computation = computeCase(answer.counts(), answer.positions(), trace.get());
        answer.trace = std::move(trace);
    } else if (answer.successive && !answer.counts().empty()) {
        answer.computation = answer.successive->deaths().front().computation;
    } else {
        answer.computation = computeCase(answer.counts(), answer.positions());
    }
    settle(answer);
    return answer;
}

}  // namespace qismaru
