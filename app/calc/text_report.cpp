#include "app/calc/text_report.h"

#include <array>
#include <string>

#include "app/calc/case_json.h"
#include "present/number_text.h"
#include "present/relative_names.h"
#include "present/result_table.h"

namespace qismaru::calc {

namespace {

using namespace table_geometry;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The columns read right to left, as on the screen.
constexpr std::array<int, 5> kColumnsInReadingOrder = {kHeirX, kShareX, kPortionX, kPerHeadX, kPercentageX};

void writeRow(std::ostream& out, const std::vector<PlacedText>& row)
{
    std::array<std::string, kColumnsInReadingOrder.size()> cells;
    for (const PlacedText& item : row) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (item.x == kColumnsInReadingOrder[c]) cells[c] = trimmed(item.text);
        }
    }
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) line += (c == 0 ? "" : " | ") + cells[c];
    out << line << '\n';
}

void writeCaseWideValues(std::ostream& out, const CaseResult& r)
{
    out << "Base " << r.base << ", Correction " << plainDecimal(r.correction) << ", ShareScale "
        << plainDecimal(r.shareScale) << ", BaseDivisor " << plainDecimal(r.baseDivisor) << ", ReturnFactor "
        << plainDecimal(r.returnFactor) << ", SpouseScale " << plainDecimal(r.spouseScale) << '\n';
}

}  // namespace

void writeTextReport(std::ostream& out, const KindCounts& counts, const CaseComputation& computation)
{
    if (computation.outcome == CaseOutcome::Computed) {
        const ResultTable table = buildResultTable(counts, computation.result, TableMedium::Screen);
        for (const auto& row : table.rows) writeRow(out, row);
        out << trimmed(table.header[0].text) << " | " << table.header[1].text << '\n';
        for (const PlacedText& line : table.totals) out << trimmed(line.text) << '\n';
        writeCaseWideValues(out, computation.result);
    } else if (computation.stopped()) {
        out << "validation stop: no table\n";
    }
    for (const CaseMessage message : computation.messages) out << messageText(message) << '\n';
}

void writePathReport(std::ostream& out, std::span<const RelativeEntry> relatives, const PathComputation& p)
{
    const CaseComputation& c = p.computation;
    if (p.divided()) {
        const bool sexGiven = uterineSexGiven(relatives);
        for (std::size_t i = 0; i < relatives.size(); ++i) {
            const RelativeEntry& e = relatives[i];
            const RelativeShare share = shareOf(p, relatives, i);
            out << countedRelatives(e.path, e.count, sexGiven) << " (" << e.written()
                << (e.label.empty() ? "" : "@" + e.label) << ") | " << share.ofEstate().text() << " | " << share.parts
                << " | " << share.partsPerHead << '\n';
        }
        out << "corrected base " << p.correctedBase() << '\n';
        writeCaseWideValues(out, c.result);
    } else if (c.stopped()) {
        out << "validation stop: no table\n";
    }
    for (const CaseMessage message : c.messages) out << messageText(message) << '\n';
}

}  // namespace qismaru::calc
