#include "answer/waiting_answer.h"

#include "engine/waiting_outcomes.h"
#include "present/waiting_names.h"

namespace qismaru {

WaitingCase waitingCaseOf(const CaseQuestion& question)
{
    return {question.counts, question.unborn, question.missing, question.unclear, false};
}

std::string waitingHeirsLine(const CaseQuestion& question)
{
    std::string names;
    const auto add = [&names](const std::string& name) { names += (names.empty() ? "" : "، و") + name; };
    if (question.together) {
        for (const TogetherDeath& death : question.together->deaths) add(death.name);
        return "ماتوا معًا: " + names;
    }
    const WaitingCase wait = waitingCaseOf(question);
    for (const Claimant& c : claimantsOf(wait)) {
        add(c.role == ClaimantRole::Unborn ? std::string("حمل") : claimantName(c, wait));
    }
    return "الورثة: " + names;
}

RecordedOutcome recordOutcome(const CaseAnswer& answer)
{
    const CaseQuestion& q = answer.question;
    RecordedOutcome recorded;
    recorded.name = q.outcome;
    if (!answer.waiting || answer.waiting->refused()) return recorded;
    const WaitingCase wait = waitingCaseOf(q);
    const std::optional<OutcomeKey> key = outcomeKeyNamed(wait, q.positions, q.outcome);
    if (!key) return recorded;
    recorded.fits = true;
    recorded.outcome = outcomeOf(wait, q.positions, *key, recorded.problem);
    if (recorded.problem != WaitingProblem::None) return recorded;
    recorded.payout = payOut(*answer.waiting, recorded.outcome);
    if (!recorded.payout) {
        recorded.problem = WaitingProblem::BeyondExactRange;
        return recorded;
    }
    if (answer.waitingSettlement && answer.waitingSettlement->divided) {
        recorded.amounts = estate::outcomeAmounts(*answer.waitingSettlement, *answer.waiting, recorded.outcome.shares,
                                                  recorded.outcome.noHeir);
    }
    return recorded;
}

}  // namespace qismaru
