#pragma once

#include <cstddef>

#include <QColor>
#include <QWidget>

namespace qismaru::ui {

// A straight line that belongs to a window's design rather than to its
// drawing: a child widget, so clearing the picture box beneath keeps it.
struct LineGeometry {
    const char* name;    // the control's name, e.g. "Line2"
    int x1, y1, x2, y2;  // end points in twips, in the parent's coordinates
    int widthPixels;
    QColor colour;
};

class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(const LineGeometry& line, QWidget* parent);

    QPoint from() const { return from_; }  // end points in the parent's pixels
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    int width_;
    QColor colour_;
};

// Creates every line of a design on `parent`.
template <std::size_t N>
void addLines(const LineGeometry (&lines)[N], QWidget* parent)
{
    for (const LineGeometry& line : lines) new LineControl(line, parent);
}

// The colours the lines are designed in.
QColor windowTextColour();
inline QColor frameGrey() { return QColor(64, 64, 64); }

}  // namespace qismaru::ui
