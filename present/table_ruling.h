#pragma once

#include <span>
#include <string_view>

#include "present/result_table.h"

namespace qismaru {

// Ruling lines are drawn in the text colour, or in the dark grey of a frame.
enum class LineTone { Text, Frame };

// One straight line of a table's ruling, in twips from the top-left corner of
// the surface the table is drawn on; its width is in pixels of 15 twips.
struct RuledLine {
    std::string_view name;  // the line control's name on the screen, e.g. "Line2"
    int x1, y1, x2, y2;
    int widthPixels;
    LineTone tone;
};

// The size of the surface a table is drawn on, in twips.
struct SurfaceSize {
    int width;
    int height;
};

// The ruling of the result table: the grid of the screen's box with its
// frame, or the grid of the printed page, whose right edge stands at 7080
// instead of 7320 and which has no frame.
std::span<const RuledLine> tableRuling(TableMedium medium);

// The screen's result box, or the printed page's layout.
SurfaceSize tableSurface(TableMedium medium);

// How far, in twips, the text of `item` may reach to the right of its anchor
// before it would touch the next ruling line across its row, or the edge of
// the surface: the width a long name or a sixteen-digit figure must fit in.
int roomRightOf(const PlacedText& item, TableMedium medium);

}  // namespace qismaru
