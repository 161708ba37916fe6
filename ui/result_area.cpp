#include "ui/result_area.h"

#include <QApplication>
#include <QPalette>

#include "ui/design_names.h"
#include "ui/fonts.h"
#include "ui/line_control.h"
#include "ui/twips.h"

namespace qismaru::ui {

QFont resultFont() { return designFont(kMsSansSerif, 7.8); }

DrawingSurface* createResultArea(QWidget* parent)
{
    auto* resultArea = new DrawingSurface(twipsSize(7572, 3975), QApplication::palette().color(QPalette::Base), parent);
    resultArea->setObjectName(design::kResultArea);
    resultArea->setDrawingFont(resultFont());

    const QColor rule = windowTextColour();
    const LineGeometry lines[] = {
        {"Line2", 7320, 480, 120, 480, 5, rule},       // top rule of the grid
        {"Line19", 7320, 2880, 120, 2880, 5, rule},    // bottom rule
        {"Line18", 120, 480, 120, 2880, 5, rule},      // left edge
        {"Line1", 7320, 480, 7320, 2880, 5, rule},     // right edge
        {"Line3", 5880, 480, 5880, 2880, 5, rule},     // heir | share
        {"Line4", 4440, 480, 4440, 2880, 5, rule},     // share | portion
        {"Line5", 3120, 480, 3120, 2880, 5, rule},     // portion | per head
        {"Line6", 1800, 480, 1800, 2880, 5, rule},     // per head | percentage
        {"Line7", 0, 0, 0, 4080, 5, frameGrey()},      // frame of the box
        {"Line10", 7560, 0, 7560, 4080, 8, frameGrey()},
        {"Line8", 0, 3960, 7440, 3960, 10, frameGrey()},
    };
    addLines(lines, resultArea);
    return resultArea;
}

void drawPlacedTexts(DrawingSurface& surface, const std::vector<PlacedText>& items)
{
    for (const PlacedText& item : items) surface.placeItem(item.x, item.y, QString::fromStdString(item.text));
}

}  // namespace qismaru::ui
