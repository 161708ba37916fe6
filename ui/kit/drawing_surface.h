#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace qismaru::ui {

// A picture box: a widget with a persistent image behind it, so that what is
// drawn stays when the window is covered and uncovered, until it is cleared.
// Positions are in the surface's user scale: twips, or the character cells of
// the entry list (120 x 240 twips).
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    enum class Scale { Twips, CharacterCells };

    DrawingSurface(const QSize& sizeInPixels, const QColor& background, QWidget* parent = nullptr);

    void setScale(Scale scale) { scale_ = scale; }
    void setDrawingFont(const QFont& font) { drawingFont_ = font; }
    const QFont& drawingFont() const { return drawingFont_; }
    QColor background() const { return background_; }

    // Erases every drawing to the background colour. Child line controls stay.
    void clear();
    // Sets one pixel; the point becomes the current drawing position.
    void setPoint(double x, double y, const QColor& colour);
    void setCurrentPosition(double x, double y);
    // Writes text with its top-left corner at the current position, then ends
    // the line: the position moves to the start of the next line. A text
    // wider than `room` (user units; 0: no limit) is narrowed to fit.
    void printText(const QString& text, double room = 0);
    void fillRect(double x1, double y1, double x2, double y2, const QColor& colour);
    // A result item: a yellow point at the anchor, then the text from there,
    // fitted into `room`.
    void placeItem(double x, double y, const QString& text, double room = 0);

    QPoint toPixels(double x, double y) const;
    const QImage& image() const { return image_; }

    static QColor anchorColour() { return QColor(255, 255, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QColor background_;
    QColor textColour_ = Qt::black;
    QFont drawingFont_;
    Scale scale_ = Scale::Twips;
    QPointF current_;  // in user units
};

}  // namespace qismaru::ui
