#pragma once

#include <string>
#include <vector>

#include "engine/case_result.h"
#include "engine/path_case.h"
#include "model/heir_kind.h"

namespace qismaru {

// One piece of the result table: its text, with the top-left corner of the
// text at (x, y) in twips from the top-left corner of the drawing surface.
struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const PlacedText&) const = default;
};

// The screen shows the rows in one order, the paper in another, with the
// uterine siblings' name written without its blank.
enum class TableMedium { Screen, Paper };

// The result table of a computed case, in its three parts.
struct ResultTable {
    // One entry per heir kind that receives something, in the medium's row
    // order; within a row: name, share, portion, percentage, per head.
    std::vector<std::vector<PlacedText>> rows;
    // The heir kind of each row, in the same order, for a view that names
    // its rows (the web page's table says which heir each row is).
    std::vector<HeirKind> rowKinds;
    // For a case written by path, the entry of each row instead (rowKinds
    // stays empty): every relative has a row, in the order entered.
    std::vector<std::size_t> rowEntries;
    // The final corrected base above the portion column, and the percentage title.
    std::vector<PlacedText> header;
    // The base, then the increased or reduced base and the corrected base where they apply.
    std::vector<PlacedText> totals;

    // Everything in drawing order: the rows, the header line, the totals block.
    std::vector<PlacedText> placedTexts() const;
};

ResultTable buildResultTable(const KindCounts& counts, const CaseResult& result, TableMedium medium);

// The table of a case written by path: one row for each relative entered,
// in the order entered, with the same columns, header and totals. A relative
// kept out has his row, marked "محجوب" with no parts; one who shares a fixed
// share with relatives of other rows says so ("شريكة في السدس").
ResultTable buildResultTable(std::span<const RelativeEntry> entries, const PathComputation& computation,
                             TableMedium medium);

// A relative's row in the table of a case by path: his name as the heir
// column gives it, without his count, and the words of his share column.
std::string relativeRowName(const RelativeEntry& entry, bool uterineSexGiven, TableMedium medium);
std::string relativeShareText(std::span<const RelativeEntry> entries, const PathComputation& computation,
                              std::size_t i);

// The share column's text for a kind, and a row's parts per head.
std::string shareCellText(const ShareResult& share);
std::string perHeadCellText(std::int64_t parts, int count);

// The order in which the medium lists the heir kinds, all 21 of them.
const std::array<HeirKind, kHeirKindCount>& rowOrder(TableMedium medium);

inline std::vector<PlacedText> layoutResultTable(const KindCounts& counts, const CaseResult& result, TableMedium medium)
{
    return buildResultTable(counts, result, medium).placedTexts();
}

// Where the columns and lines of the table stand, in twips.
namespace table_geometry {
inline constexpr int kHeirX = 6000;
inline constexpr int kShareX = 4500;
inline constexpr int kPortionX = 3500;
inline constexpr int kPerHeadX = 2100;
inline constexpr int kPercentageX = 1000;
inline constexpr int kHeaderY = 200;
inline constexpr int kPercentageHeaderX = 800;
inline constexpr int kFirstRowY = 600;
inline constexpr int kRowStep = 200;
inline constexpr int kTotalsX = 4500;
inline constexpr int kTotalsY = 3200;
}  // namespace table_geometry

}  // namespace qismaru
