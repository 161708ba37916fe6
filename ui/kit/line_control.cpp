#include "ui/kit/line_control.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "ui/kit/placed_painter.h"
#include "ui/kit/twips.h"

namespace qismaru::ui {

QColor windowTextColour() { return QApplication::palette().color(QPalette::WindowText); }

LineControl::LineControl(const LineGeometry& line, QWidget* parent)
    : QWidget(parent),
      from_(px(line.x1), px(line.y1)),
      to_(px(line.x2), px(line.y2)),
      width_(line.widthPixels),
      colour_(line.colour)
{
    setObjectName(line.name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int half = (width_ + 1) / 2;
    const QRect bounds = QRect(from_, to_).normalized().adjusted(-half, -half, half, half);
    setGeometry(bounds);
    raise();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintLine(painter, from_ - pos(), to_ - pos(), width_, colour_);
}

}  // namespace qismaru::ui
