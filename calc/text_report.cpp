#include "calc/text_report.h"

#include <string>

#include "calc/case_json.h"
#include "present/number_text.h"
#include "present/result_table.h"
#include "present/share_sentences.h"

namespace qismaru::calc {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The columns read right to left, as on the screen.
void writeRow(std::ostream& out, const TableRow& row)
{
    std::string line;
    for (const TableColumn column : kTableColumns) {
        if (column != TableColumn::Heir) line += " | ";
        line += trimmed(row.text(column));
    }
    out << line << '\n';
}

void writeCaseWideValues(std::ostream& out, const CaseResult& r)
{
    out << "Base " << r.base << ", Correction " << plainDecimal(r.correction) << ", ShareScale "
        << plainDecimal(r.shareScale) << ", BaseDivisor " << plainDecimal(r.baseDivisor) << ", ReturnFactor "
        << plainDecimal(r.returnFactor) << ", SpouseScale " << plainDecimal(r.spouseScale) << '\n';
}

void writeTable(std::ostream& out, const ResultTable& table, const CaseComputation& computation,
                const std::vector<std::string>& said)
{
    if (computation.outcome == CaseOutcome::Computed) {
        for (const TableRow& row : table.rows) writeRow(out, row);
        out << trimmed(table.base) << " | " << table.percentageTitle << '\n';
        for (const std::string& line : table.totals) out << trimmed(line) << '\n';
        writeCaseWideValues(out, computation.result);
    } else if (computation.stopped()) {
        out << "validation stop: no table\n";
    }
    for (const std::string& line : said) out << line << '\n';
}

}  // namespace

void writeTextReport(std::ostream& out, const KindCounts& counts, const CaseComputation& computation,
                     const std::vector<std::string>& said)
{
    const bool divided = computation.outcome == CaseOutcome::Computed;
    writeTable(out, divided ? buildResultTable(counts, computation.result, TableMedium::Screen) : ResultTable{},
               computation, said);
    // Which grandmother a count whose side is not given stands for may decide the school's answer.
    if (const std::string note = grandmotherSideText(counts, computation.positions.school); divided && !note.empty())
        out << note << '\n';
}

void writePathReport(std::ostream& out, std::span<const RelativeEntry> relatives, const PathComputation& p,
                     const std::vector<std::string>& said)
{
    writeTable(out, p.divided() ? buildResultTable(relatives, p, TableMedium::Screen) : ResultTable{}, p.computation,
               said);
}

}  // namespace qismaru::calc
