#pragma once

#include <string>

#include "answer/case_answer.h"

namespace qismaru {

// The case that waits a question asks: its known heirs and what waits.
WaitingCase waitingCaseOf(const CaseQuestion& question);

// The first line of the solution of a case that waits, or of those who died
// together: the heirs with the one who waits («الورثة: زوجة، وابن، وحمل»),
// or the dead.
std::string waitingHeirsLine(const CaseQuestion& question);

// The outcome the question records, divided by the engine and paid from
// the reserve; not fitting, or refused, as its members say.
RecordedOutcome recordOutcome(const CaseAnswer& answer);

// Why a case that waits, or of those who died together, is refused (its
// division, or the outcome recorded),
// as the window and the page say it (Arabic); "" when it is not.
std::string waitingRefusalSentence(const CaseAnswer& answer);

}  // namespace qismaru
