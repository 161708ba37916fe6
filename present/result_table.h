#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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

// The columns of the table, in its reading order (right to left).
enum class TableColumn : std::uint8_t { Heir, Share, Parts, PerHead, Percentage };
inline constexpr std::array<TableColumn, 5> kTableColumns{TableColumn::Heir, TableColumn::Share, TableColumn::Parts,
                                                          TableColumn::PerHead, TableColumn::Percentage};

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

// Where a column's texts begin.
constexpr int columnX(TableColumn column)
{
    switch (column) {
    case TableColumn::Heir: return kHeirX;
    case TableColumn::Share: return kShareX;
    case TableColumn::Parts: return kPortionX;
    case TableColumn::PerHead: return kPerHeadX;
    case TableColumn::Percentage: return kPercentageX;
    }
    return kHeirX;
}
}  // namespace table_geometry

struct TableCell {
    TableColumn column;
    std::string text;
};

// A row of the table: its cells in the order they are drawn (name, share,
// parts, percentage, per head), each in its column.
struct TableRow {
    // The heir kind of the row; nothing for a figure the table draws before
    // its first row, which has no row of its own, and for a row of a case
    // written by path, which gives the relative's place in the order entered.
    std::optional<HeirKind> kind;
    std::optional<std::size_t> entry;
    // The row's line, counted from the first row at 0 (-1 before it).
    int line = 0;
    std::vector<TableCell> cells;

    // The text in a column, the one drawn last where two are drawn there;
    // empty where there is none.
    std::string text(TableColumn column) const;
};

// The result table of a computed case, in its three parts, by column;
// where it is drawn, each text takes its place (placedTexts()).
struct ResultTable {
    // One per heir kind that receives something, in the medium's row order.
    std::vector<TableRow> rows;
    // The final corrected base, above the parts column, and the percentage column's title.
    std::string base;
    std::string percentageTitle;
    // The base, then the increased or reduced base and the corrected base where they apply.
    std::vector<std::string> totals;

    // Where each text is drawn, in drawing order (the rows, the header line,
    // the totals block): visit(x, y, text) for each, without a copy.
    template <typename Visit>
    void forEachPlaced(Visit&& visit) const;
    // The same as placed texts.
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

template <typename Visit>
void ResultTable::forEachPlaced(Visit&& visit) const
{
    using namespace table_geometry;
    for (const TableRow& row : rows) {
        for (const TableCell& cell : row.cells)
            visit(columnX(cell.column), kFirstRowY + row.line * kRowStep, cell.text);
    }
    visit(kPortionX, kHeaderY, base);
    visit(kPercentageHeaderX, kHeaderY, percentageTitle);
    for (std::size_t i = 0; i < totals.size(); ++i)
        visit(kTotalsX, kTotalsY + static_cast<int>(i) * kRowStep, totals[i]);
}

inline std::vector<PlacedText> layoutResultTable(const KindCounts& counts, const CaseResult& result, TableMedium medium)
{
    return buildResultTable(counts, result, medium).placedTexts();
}

}  // namespace qismaru
