#include "app/calc/later_deaths_text.h"

#include "app/calc/estate_output.h"
#include "app/calc/text_report.h"
#include "present/combined_table_text.h"

namespace qismaru::calc {

void writeLaterDeathsText(std::ostream& out, const LaterDeathsAnswer& answer)
{
    if (answer.first.explained) {
        std::vector<std::vector<SolutionStep>> solutions{answer.first.steps};
        for (const CaseAnswer& later : answer.laterAnswers) solutions.push_back(later.steps);
        out << successiveDeathsText(answer.deaths, answer.later, solutions, answer.table);
        return;
    }
    writeTextReport(out, answer.first.counts, answer.first.computation);
    if (answer.first.settlement) {
        writeEstateText(out, *answer.first.settlement, answer.first.counts, answer.first.computation.result);
    }
    for (std::size_t i = 0; i < answer.later.size(); ++i) {
        out << '\n' << laterDeathHeading(static_cast<int>(i) + 2, answer.later[i], answer.deaths) << '\n';
        writeTextReport(out, answer.laterAnswers[i].counts, answer.laterAnswers[i].computation);
    }
    out << "\nالجامعة\n" << tableLines(combinedTableText(answer.table), " | ");
    if (answer.settlement) {
        std::vector<std::string> labels;
        for (const PersonGroup& g : answer.table.groups) labels.push_back(groupLabel(g));
        out << '\n' << estate::combinedSettlementText(*answer.settlement, labels, " | ");
    }
}

}  // namespace qismaru::calc
