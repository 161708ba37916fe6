#pragma once

#include "model/positions.h"
#include "present/result_table.h"

class QPainter;

namespace qismaru::ui {

// The printed page of a computed case: the ruling of the paper's grid, the
// table in the paper's row order and the school it was answered by, painted on `painter` with the layout's
// top-left corner at the painter's origin, `dotsPerTwip` device units a twip.
// Texts and lines go to the device as they are, so a printer or a PDF file
// gets sharp, searchable text at its own resolution.
void paintPrintedPage(QPainter& painter, const ResultTable& table, const Positions& positions, double dotsPerTwip);

}  // namespace qismaru::ui
