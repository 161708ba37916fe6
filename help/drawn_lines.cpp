#include "help/drawn_lines.h"

#include <QFontMetrics>

#include "ui/drawing_surface.h"

namespace qismaru::help {

namespace {

constexpr double kSmallestPoints = 6.0;
constexpr double kStepPoints = 0.2;

bool linesFit(const QFont& font, const QStringList& lines, const QSize& area)
{
    const QFontMetrics metrics(font);
    if (metrics.height() * lines.size() > area.height()) return false;
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > area.width()) return false;
    }
    return true;
}

}  // namespace

QFont fontFittingLines(QFont font, const QStringList& lines, const QSize& area)
{
    while (font.pointSizeF() > kSmallestPoints && !linesFit(font, lines, area)) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    return font;
}

void drawLines(ui::DrawingSurface& surface, const QStringList& lines)
{
    surface.setCurrentPosition(0, 0);
    for (const QString& line : lines) surface.printText(line);
}

}  // namespace qismaru::help
