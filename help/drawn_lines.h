#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

namespace qismaru::ui {
class DrawingSurface;
}

namespace qismaru::help {

// How a line is set on its window.
enum class LineSetting {
    // From the left edge, in the text's own direction.
    Natural,
    // Left to right from the left edge, as the stored lines of the welcome
    // and About windows were written to be drawn: their leading blanks
    // indent them, and a bracket typed at one end of a line lands at the end
    // of the saying it frames, not beside the words inside it.
    AsStored,
    // Centred across the window, in the text's own direction.
    Centred,
};

struct DrawnLine {
    QString text;
    LineSetting setting = LineSetting::Natural;
};
using DrawnLines = QList<DrawnLine>;

// The designed font, made smaller only where the lines would not fit the
// area: the installed Arabic faces run wider and taller than the ones the
// windows were designed with, and a clipped first word of a right-to-left
// line would be its beginning.
QFont fontFittingLines(QFont font, const DrawnLines& lines, const QSize& area);

// The text handed to the painter for the line: a stored line is embedded
// left to right, whatever direction the painter would find in its letters.
QString textAsDrawn(const DrawnLine& line);

// Writes the lines one below the other from the top of the surface, in its
// drawing font.
void drawLines(ui::DrawingSurface& surface, const DrawnLines& lines);

}  // namespace qismaru::help
