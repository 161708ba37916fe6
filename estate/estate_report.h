#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "estate/settlement.h"
#include "model/positions.h"

namespace qismaru::estate {

// A settlement as Arabic texts, ready to be shown, printed, copied or
// written to a terminal: every place that shows a settlement shows these.

struct AmountLine {
    std::string label;
    std::string amount;
    std::string exact;  // of the major unit, "n/d" or "n"; empty where the amount is whole minor units anyway

    bool operator==(const AmountLine&) const = default;
};

struct KindLine {
    HeirKind kind = HeirKind::Mother;
    std::string name;
    std::string count;
    std::string share;  // the fraction, or the residuary's label
    std::string parts;
    std::string amount;
    std::string perHead;
    std::string exact;         // of the major unit
    std::string perHeadExact;  // of the major unit
};

struct EstateReport {
    std::int64_t finalBase = 0;
    // The title of the share column: a kind's fixed share or residuary's
    // label, or, in the settlement of successive deaths, what a group of
    // persons takes of the first estate.
    std::string shareTitle = "الفرض";
    // The gross estate, the claims met in their order, and the net.
    std::vector<AmountLine> claims;
    // In the screen table's row order; empty when the case was not divided.
    std::vector<KindLine> kinds;
    // What no heir takes, and the rounding difference.
    std::vector<AmountLine> closing;
    // Sentences on what needs saying: a bequest cut to the third, an
    // insolvent estate, an undistributed remainder, a case not divided.
    std::vector<std::string> notes;
};

// The columns of the heirs' table, right to left: heir, count, share,
// parts of the corrected base, amount, amount per head.
inline constexpr int kKindColumns = 6;
std::array<std::string, kKindColumns> kindColumnTitles(const EstateReport& report);
std::array<std::string, kKindColumns> cellsOf(const KindLine& line);

EstateReport buildEstateReport(const Settlement& settlement, const KindCounts& counts, const CaseResult& result,
                               DigitGrouping grouping);
// A case written by path: a line for each relative who receives parts, in
// the order entered, named and worded as the result table's rows are.
EstateReport buildEstateReport(const Settlement& settlement, std::span<const RelativeEntry> entries,
                               const PathComputation& computation, DigitGrouping grouping);

// The gross estate, the claims met in their order, and the net, as every
// report of a settlement lists them.
std::vector<AmountLine> claimLines(const EstateInputs& inputs, const Claims& claims, DigitGrouping grouping);

// The report's notes alone, one by one, for a writer that gives the amounts itself.
void forEachNote(const Settlement& settlement, const KindCounts& counts, DigitGrouping grouping,
                 const std::function<void(std::string_view)>& note);

// The settlement follows the school of the table: the line that names it,
// with the positions, stands first in the report's notes.
void notePositionsFirst(EstateReport& report, const Positions& positions);

// The report as plain text, one line per row, the columns separated by
// tabs, as it pastes into a spreadsheet or an e-mail (or by " | " on a
// terminal, as the calculator writes its table).
std::string reportText(const EstateReport& report, std::string_view separator = "\t");

// The window's and the page's title.
inline constexpr const char* kEstateTitle = "توزيع التركة";

}  // namespace qismaru::estate
