#include "ui/kit/placed_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ui/kit/line_control.h"

namespace qismaru::ui {

namespace {

// Narrowed figures keep their height and stay readable at 96 dpi down to
// about half their width, better than a smaller font of the same width;
// beyond that the font gets smaller too.
constexpr int kNarrowestStretch = 55;
// Below this a figure could no longer be read on paper or at 96 dpi; the
// widest texts of the table (sixteen digits and " لكل") fit well above it.
constexpr double kSmallestPoints = 4.0;
constexpr double kPointStep = 0.1;

// The whole advance, blanks included: in a line that reads from the right a
// blank at the end of the text stands at its left.
double widthOf(const QFont& font, const QString& text, const QPaintDevice* device)
{
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

}  // namespace

QFont fittedFont(const QFont& font, const QString& text, double room, const QPaintDevice* device)
{
    const double natural = widthOf(font, text, device);
    if (room <= 0 || natural <= room) return font;

    QFont fitted = font;
    fitted.setStretch(std::max(kNarrowestStretch, static_cast<int>(std::floor(100.0 * room / natural))));
    double width = widthOf(fitted, text, device);
    if (width <= room) return fitted;

    double points = std::max(kSmallestPoints, font.pointSizeF() * room / width);
    for (;; points -= kPointStep) {
        fitted.setPointSizeF(std::max(kSmallestPoints, points));
        width = widthOf(fitted, text, device);
        if (width <= room || points <= kSmallestPoints) return fitted;
    }
}

void paintText(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, double room)
{
    const QFont fitted = fittedFont(font, text, room, painter.device());
    painter.save();
    painter.setFont(fitted);
    // A fitted text keeps the baseline of the row, on a whole device unit as
    // a picture box puts it.
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    painter.drawText(QPointF(topLeft.x(), std::round(topLeft.y() + ascent)), text);
    painter.restore();
}

void paintLine(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
    painter.restore();
}

QColor lineColour(LineTone tone) { return tone == LineTone::Frame ? frameGrey() : windowTextColour(); }

}  // namespace qismaru::ui
