#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

namespace qismaru::ui::testing {

// Qt prints a widget as a picture, so a printed page is checked by its pixels,
// rasterised by poppler's pdftoppm at 96 dpi: one page pixel per layout pixel.
// Null unless the file holds exactly one page.
QImage onlyPageOf(const QString& pdfFile);

// Finds the ruling of the print layout on a page, by one scan across the grid
// below the rows of a small case (for any margin under half an inch) and one
// scan down the percentage column. Empty when every line keeps its designed
// distance from the others, that is when the layout has its natural size;
// `corner` is then where the layout's top-left corner lies on the page.
QString rulingFault(const QImage& page, QPointF* corner);

// The pixels of `expected`, laid over the top-left corner of `page`, where
// either image differs by more than half the brightness scale from the
// other at the same place and around it: a stroke that is missing, extra or
// out of place by more than a pixel counts; the half-covered edge of a line,
// a sub-pixel shift and lossy compression do not.
int mismatchedPixels(const QImage& page, const QImage& expected);

}  // namespace qismaru::ui::testing
