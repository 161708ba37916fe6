#include "calc/later_deaths_text.h"

#include "calc/estate_output.h"
#include "calc/text_report.h"
#include "present/combined_table_text.h"
#include "present/positions_text.h"

namespace qismaru::calc {

namespace {

void writeTables(std::ostream& out, const LaterDeathsAnswer& answer)
{
    writeTextReport(out, answer.first.counts, answer.first.computation);
    for (std::size_t i = 0; i < answer.later.size(); ++i) {
        out << '\n' << laterDeathHeading(static_cast<int>(i) + 2, answer.later[i], answer.deaths) << '\n';
        writeTextReport(out, answer.laterAnswers[i].counts, answer.laterAnswers[i].computation);
    }
    out << "\nالجامعة\n" << tableLines(combinedTableText(answer.table), " | ");
}

}  // namespace

void writeLaterDeathsText(std::ostream& out, const LaterDeathsAnswer& answer)
{
    // The school first, as for a single case: under another the same deaths join otherwise.
    out << positionsLine(answer.first.computation.positions) << '\n';
    if (answer.first.explained) {
        std::vector<std::vector<SolutionStep>> solutions{answer.first.steps};
        for (const CaseAnswer& later : answer.laterAnswers) solutions.push_back(later.steps);
        out << successiveDeathsText(answer.deaths, answer.later, solutions, answer.steps);
    } else {
        writeTables(out, answer);
    }
    // The money follows the combined table alone: the first death's own
    // table would pay the heirs who died after him.
    if (answer.settlement) writeCombinedEstateText(out, *answer.settlement, answer.table);
}

}  // namespace qismaru::calc
