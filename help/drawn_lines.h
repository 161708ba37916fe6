#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

namespace qismaru::ui {
class DrawingSurface;
}

namespace qismaru::help {

// The designed font, made smaller only where the lines would not fit the
// area: the installed Arabic faces run wider and taller than the ones the
// windows were designed with, and a clipped first word of a right-to-left
// line would be its beginning.
QFont fontFittingLines(QFont font, const QStringList& lines, const QSize& area);

// Writes the lines one below the other from the top-left corner of the
// surface, in its drawing font.
void drawLines(ui::DrawingSurface& surface, const QStringList& lines);

}  // namespace qismaru::help
