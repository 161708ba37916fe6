#include "ui/main/entry_list.h"

#include <QFontMetrics>

#include "present/heir_labels.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/line_control.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"

namespace qismaru::ui {

EntryList::EntryList(QWidget* parent) : DrawingSurface(twipsSize(1932, 6375), listGrey(), parent)
{
    setObjectName(design::kEntryList);
    setScale(Scale::CharacterCells);
    setDrawingFont(designFont(kMsSansSerif, 7.8));
    const LineGeometry lines[] = {
        {"Line11", 0, 0, 0, 6600, 5, frameGrey()},            // left edge
        {"Line14", 1920, 0, 1920, 6480, 10, frameGrey()},     // right edge
        {"Line13", -240, 6360, 1920, 6360, 10, frameGrey()},  // bottom
    };
    addLines(lines, this);
}

namespace {

// A character cell is 8 pixels wide. The frame line on the left edge is 5
// pixels wide and the one on the right 10, centred on the edges, so a count
// starts clear of the left one and every name ends at the same place, clear
// of the right one, whatever the installed face makes of its width.
constexpr double kPixelsPerCell = 8.0;
constexpr int kCountLeft = 6;
constexpr int kNamesEnd = 120;

double cellsOf(int pixels) { return pixels / kPixelsPerCell; }

}  // namespace

void EntryList::drawEntry(int row, HeirKind kind, int count)
{
    const HeirKindInfo& info = infoOf(kind);
    if (info.entry == EntryKind::Counted) {
        setCurrentPosition(cellsOf(kCountLeft), row);
        printText(QString::number(count));
    }
    const QString name = fromView(labelsOf(kind).displayName);
    setCurrentPosition(cellsOf(kNamesEnd - QFontMetrics(drawingFont()).horizontalAdvance(name)), row);
    printText(name);
}

void EntryList::drawRelative(int row, const QString& name, std::optional<int> count)
{
    const QFontMetrics metrics(drawingFont());
    int room = kNamesEnd - kCountLeft;
    if (count) {
        const QString shown = QString::number(*count);
        setCurrentPosition(cellsOf(kCountLeft), row);
        printText(shown);
        room -= metrics.horizontalAdvance(shown + ' ');
    }
    const QString fitted = metrics.elidedText(name, Qt::ElideRight, room);
    setCurrentPosition(cellsOf(kNamesEnd - metrics.horizontalAdvance(fitted)), row);
    printText(fitted);
}

void EntryList::eraseRow(int row) { fillRect(0, row, 20, row + 1, listGrey()); }

}  // namespace qismaru::ui
