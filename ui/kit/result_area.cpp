#include "ui/kit/result_area.h"

#include <QApplication>
#include <QPalette>

#include "present/table_ruling.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/line_control.h"
#include "ui/kit/placed_painter.h"
#include "ui/kit/twips.h"

namespace qismaru::ui {

QFont resultFont() { return designFont(kMsSansSerif, 7.8); }

DrawingSurface* createResultArea(QWidget* parent)
{
    const SurfaceSize size = tableSurface(TableMedium::Screen);
    auto* resultArea =
        new DrawingSurface(twipsSize(size.width, size.height), QApplication::palette().color(QPalette::Base), parent);
    resultArea->setObjectName(design::kResultArea);
    resultArea->setDrawingFont(resultFont());

    // The ruling belongs to the box's design, not to its drawing: line
    // controls, which clearing keeps.
    for (const RuledLine& line : tableRuling(TableMedium::Screen)) {
        const std::string name(line.name);
        new LineControl({name.c_str(), line.x1, line.y1, line.x2, line.y2, line.widthPixels, lineColour(line.tone)},
                        resultArea);
    }
    return resultArea;
}

void drawPlacedTexts(DrawingSurface& surface, const std::vector<PlacedText>& items)
{
    for (const PlacedText& item : items) {
        surface.placeItem(item.x, item.y, QString::fromStdString(item.text), roomRightOf(item, TableMedium::Screen));
    }
}

}  // namespace qismaru::ui
