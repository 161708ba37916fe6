#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

namespace qismaru::ui::testing {

// A printed page rasterised by poppler's pdftoppm at 96 dpi: one page pixel
// per layout pixel. Null unless the file holds exactly one page.
QImage onlyPageOf(const QString& pdfFile);

// Finds the ruling of the print layout on a page, by one scan across the grid
// below the rows of a small case (for any margin under half an inch) and one
// scan down the percentage column. Empty when every line keeps its designed
// distance from the others, that is when the layout has its natural size;
// `corner` is then where the layout's top-left corner lies on the page.
QString rulingFault(const QImage& page, QPointF* corner);

}  // namespace qismaru::ui::testing
