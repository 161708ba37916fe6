#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include "present/table_ruling.h"

class QPainter;
class QPaintDevice;

namespace qismaru::ui {

// The one painter of placed texts and ruling lines, for the screen's picture
// boxes and for the printed page alike. Callers map twips to the device's
// own units, so that a printer gets vector text at its own resolution.

// `font`, or where `text` is wider than `room` device units, the font made
// narrower and then smaller until it fits: every digit of a sixteen-digit
// figure stays, inside its column. A room of 0 or less sets no limit.
QFont fittedFont(const QFont& font, const QString& text, double room, const QPaintDevice* device);

// Writes `text` with its top-left corner at `topLeft`, in device units,
// fitted into `room`. The left edge of the text sits at the anchor, even
// for Arabic, which reads from the right.
void paintText(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, double room = 0);

// A straight line `width` device units thick, its ends cut square at the end points.
void paintLine(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour);

// The colour of a ruling line on the screen.
QColor lineColour(LineTone tone);

}  // namespace qismaru::ui
