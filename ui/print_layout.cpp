#include "ui/print_layout.h"

#include <QApplication>
#include <QPalette>

#include "ui/line_control.h"
#include "ui/result_area.h"
#include "ui/twips.h"

namespace qismaru::ui {

std::unique_ptr<DrawingSurface> createPrintLayout()
{
    // The "window" colour of the design is the background of text areas, white
    // in most themes, as on the screen's result box.
    auto form26 =
        std::make_unique<DrawingSurface>(twipsSize(7152, 3888), QApplication::palette().color(QPalette::Base));
    form26->setObjectName("Form26");
    form26->setWindowTitle("طباعة");
    form26->setDrawingFont(resultFont());

    // The grid of the screen's table, narrower on the right (7080 instead of
    // 7320) and without the frame of the screen's box.
    const QColor rule = windowTextColour();
    const LineGeometry lines[] = {
        {"Line2", 7080, 480, 120, 480, 5, rule},    // top rule, under the header line
        {"Line8", 7080, 2880, 120, 2880, 5, rule},  // bottom rule
        {"Line1", 7080, 480, 7080, 2880, 5, rule},  // right edge
        {"Line7", 120, 480, 120, 2880, 5, rule},    // left edge
        {"Line3", 5880, 480, 5880, 2880, 5, rule},  // heir | share
        {"Line4", 4440, 480, 4440, 2880, 5, rule},  // share | portion
        {"Line5", 3120, 480, 3120, 2880, 5, rule},  // portion | per head
        {"Line6", 1800, 480, 1800, 2880, 5, rule},  // per head | percentage
    };
    addLines(lines, form26.get());
    return form26;
}

}  // namespace qismaru::ui
