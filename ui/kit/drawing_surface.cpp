#include "ui/kit/drawing_surface.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/kit/placed_painter.h"

namespace qismaru::ui {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kCellWidthTwips = 120.0;
constexpr double kCellHeightTwips = 240.0;

}  // namespace

DrawingSurface::DrawingSurface(const QSize& sizeInPixels, const QColor& background, QWidget* parent)
    : QWidget(parent), image_(sizeInPixels, QImage::Format_RGB32), background_(background)
{
    setFixedSize(sizeInPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(background_);
}

QPoint DrawingSurface::toPixels(double x, double y) const
{
    const double xTwips = scale_ == Scale::Twips ? x : x * kCellWidthTwips;
    const double yTwips = scale_ == Scale::Twips ? y : y * kCellHeightTwips;
    return QPoint(static_cast<int>(std::lround(xTwips / kTwipsPerPixel)),
                  static_cast<int>(std::lround(yTwips / kTwipsPerPixel)));
}

void DrawingSurface::clear()
{
    image_.fill(background_);
    current_ = QPointF(0, 0);
    update();
}

void DrawingSurface::setPoint(double x, double y, const QColor& colour)
{
    const QPoint p = toPixels(x, y);
    if (image_.rect().contains(p)) image_.setPixelColor(p, colour);
    current_ = QPointF(x, y);
    update(QRect(p, QSize(1, 1)));
}

void DrawingSurface::setCurrentPosition(double x, double y) { current_ = QPointF(x, y); }

void DrawingSurface::printText(const QString& text, double room)
{
    const QPoint topLeft = toPixels(current_.x(), current_.y());
    const QFontMetrics metrics(drawingFont_);
    {
        QPainter painter(&image_);
        painter.setPen(textColour_);
        paintText(painter, topLeft, text, drawingFont_, toPixels(room, 0).x());
    }
    update(QRect(topLeft, QSize(metrics.horizontalAdvance(text) + 2, metrics.height())));

    const double lineHeight = metrics.height() * kTwipsPerPixel / (scale_ == Scale::Twips ? 1.0 : kCellHeightTwips);
    current_ = QPointF(0, current_.y() + lineHeight);
}

void DrawingSurface::fillRect(double x1, double y1, double x2, double y2, const QColor& colour)
{
    const QRect area = QRect(toPixels(x1, y1), toPixels(x2, y2)).normalized().adjusted(0, 0, -1, -1);
    {
        QPainter painter(&image_);
        painter.fillRect(area, colour);
    }
    update(area);
}

void DrawingSurface::placeItem(double x, double y, const QString& text, double room)
{
    setPoint(x, y, anchorColour());
    printText(text, room);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace qismaru::ui
