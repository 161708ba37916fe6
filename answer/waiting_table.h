#pragma once

#include <string>
#include <vector>

#include "answer/case_answer.h"

namespace qismaru {

// A case that waits laid out as the books lay it out, for the window and the
// page alike: a row for each heir, a column for each outcome's share of the
// estate, then the column of what he is given now (the least of his shares
// over the outcomes, or his final share where the school divides at once),
// and a last row of what is held back. With an estate, the amounts given now
// and held back beside them; once the outcome is recorded, a second table of
// each heir's final share and what the reserve then pays him.
struct WaitingGrid {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    bool empty() const { return rows.empty(); }
};

struct WaitingTables {
    // The estate's claims before the heirs (costs, debts, bequests), with an estate.
    std::vector<estate::AmountLine> claims;
    WaitingGrid division;
    // How many children the reserve is held for, and on what terms; "" but for an unborn child.
    std::string provision;
    // The outcome once known: "عُلم الحال: الحمل: ذكر (1m)" over its table.
    std::string recordedHeading;
    WaitingGrid recorded;
    // Those who died together: what the school holds, then each one's estate.
    std::string togetherRule;
    std::vector<std::string> togetherHeadings;
    std::vector<WaitingGrid> together;
};

// Empty for an answer that does not wait, or whose division was refused.
WaitingTables waitingTables(const CaseAnswer& answer, Reader reader);

// The same tables as text to paste into a spreadsheet or a letter: a row to
// a line, the cells separated by tabs, each heading on a line of its own.
std::string waitingTablesText(const WaitingTables& tables);

// The outcomes a user may record for the answer's case, in the division's
// order, each with its name as the division writes it and as a teacher says it.
struct OutcomeChoice {
    std::string name;     // "1m"
    std::string heading;  // "الحمل: ذكر (1m)"
};
std::vector<OutcomeChoice> outcomeChoices(const CaseAnswer& answer);

}  // namespace qismaru
