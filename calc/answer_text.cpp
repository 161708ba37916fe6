#include "calc/answer_text.h"

#include "calc/text_report.h"
#include "calc/waiting_text.h"
#include "present/combined_table_text.h"
#include "present/positions_text.h"

namespace qismaru::calc {

namespace {

void writeFirstDeath(std::ostream& out, const CaseAnswer& answer)
{
    if (answer.explained() && answer.divided()) {
        out << answer.solutionText();
    } else if (answer.byPath) {
        writePathReport(out, answer.relatives(), *answer.byPath, answer.announcements());
    } else {
        writeTextReport(out, answer.counts(), *answer.computation, answer.announcements());
    }
}

void writeLaterDeaths(std::ostream& out, const CaseAnswer& answer)
{
    if (answer.explained()) {
        out << answer.solutionText();
        return;
    }
    const SuccessiveDeaths& deaths = *answer.successive;
    if (answer.byPath) {
        writePathReport(out, answer.relatives(), *answer.byPath, answer.announcements());
    } else {
        writeTextReport(out, answer.counts(), *answer.computation, answer.announcements());
    }
    for (std::size_t i = 0; i < deaths.later.size(); ++i) {
        const DeathCase& death = deaths.deaths()[i + 1];
        out << '\n' << deaths.heading(i) << '\n';
        if (death.byPath) {
            writePathReport(out, death.relatives, *death.byPath, messageTexts(death.computation));
        } else {
            writeTextReport(out, deaths.later[i].counts, death.computation, messageTexts(death.computation));
        }
    }
    out << "\nالجامعة\n" << tableLines(combinedTableText(deaths.table()), " | ");
}

}  // namespace

void writeAnswerText(std::ostream& out, const CaseAnswer& answer)
{
    out << positionsLine(answer.positions()) << '\n';
    if (answer.waiting || answer.together) {
        if (answer.waiting) writeWaitingText(out, answer);
        if (answer.together) writeTogetherText(out, answer);
        // The solution after the tables: it tells how each figure came to be.
        if (answer.explained()) out << '\n' << answer.solutionText();
    } else if (answer.successive) {
        writeLaterDeaths(out, answer);
    } else {
        writeFirstDeath(out, answer);
    }
    // With later deaths the money follows the combined table alone: the
    // first death's own table would pay the heirs who died after him.
    if (const std::optional<estate::EstateReport> report = answer.estateReport(Reader::Terminal)) {
        out << '\n' << estate::reportText(*report, " | ");
    }
}

}  // namespace qismaru::calc
