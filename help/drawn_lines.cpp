#include "help/drawn_lines.h"

#include <QFontMetrics>

#include "ui/kit/drawing_surface.h"

namespace qismaru::help {

namespace {

constexpr double kSmallestPoints = 6.0;
constexpr double kStepPoints = 0.2;
constexpr int kTwipsPerPixel = 15;

// Unicode's left-to-right embedding and the mark that ends it.
const QChar kLeftToRightEmbedding(0x202A);
const QChar kPopDirectionalFormatting(0x202C);

bool linesFit(const QFont& font, const DrawnLines& lines, const QSize& area)
{
    const QFontMetrics metrics(font);
    if (metrics.height() * lines.size() > area.height()) return false;
    for (const DrawnLine& line : lines) {
        if (metrics.horizontalAdvance(line.text) > area.width()) return false;
    }
    return true;
}

}  // namespace

QFont fontFittingLines(QFont font, const DrawnLines& lines, const QSize& area)
{
    while (font.pointSizeF() > kSmallestPoints && !linesFit(font, lines, area)) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    return font;
}

QString textAsDrawn(const DrawnLine& line)
{
    if (line.setting != LineSetting::AsStored) return line.text;
    return kLeftToRightEmbedding + line.text + kPopDirectionalFormatting;
}

void drawLines(ui::DrawingSurface& surface, const DrawnLines& lines)
{
    const QFontMetrics metrics(surface.drawingFont());
    int top = 0;  // pixels
    for (const DrawnLine& line : lines) {
        const int left = line.setting == LineSetting::Centred
                             ? std::max(0, (surface.width() - metrics.horizontalAdvance(line.text)) / 2)
                             : 0;
        surface.setCurrentPosition(left * kTwipsPerPixel, top * kTwipsPerPixel);
        surface.printText(textAsDrawn(line));
        top += metrics.height();
    }
}

}  // namespace qismaru::help
