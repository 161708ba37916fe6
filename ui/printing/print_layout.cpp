#include "ui/printing/print_layout.h"

#include <QPainter>

#include "present/positions_text.h"
#include "present/result_table.h"
#include "present/table_ruling.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/placed_painter.h"
#include "ui/kit/result_area.h"

namespace qismaru::ui {

namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

void paintPrintedPage(QPainter& painter, const ResultTable& table, const Positions& positions, double dotsPerTwip)
{
    const auto at = [dotsPerTwip](int x, int y) { return QPointF(x * dotsPerTwip, y * dotsPerTwip); };
    const double pixel = kTwipsPerPixel * dotsPerTwip;
    const QFont font = resultFont();

    painter.save();
    // Paper takes black ink, whatever colours the screen's theme gives.
    painter.setPen(Qt::black);
    for (const PlacedText& item : table.placedTexts()) {
        painter.fillRect(QRectF(at(item.x, item.y), QSizeF(pixel, pixel)), DrawingSurface::anchorColour());
        paintText(painter, at(item.x, item.y), QString::fromStdString(item.text), font,
                  roomRightOf(item, TableMedium::Paper) * dotsPerTwip);
    }
    const PlacedText school = positionsOnPage(positions);
    paintText(painter, at(school.x, school.y), QString::fromStdString(school.text), font,
              page_positions::kRoom * dotsPerTwip);
    // The ruling lies over the drawing, as the line controls of a window do.
    for (const RuledLine& line : tableRuling(TableMedium::Paper)) {
        paintLine(painter, at(line.x1, line.y1), at(line.x2, line.y2), line.widthPixels * pixel, Qt::black);
    }
    painter.restore();
}

}  // namespace qismaru::ui
