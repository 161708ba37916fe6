#include "ui/entry_list.h"

#include "present/number_text.h"
#include "ui/design_names.h"
#include "ui/fonts.h"
#include "ui/line_control.h"
#include "ui/twips.h"

namespace qismaru::ui {

EntryList::EntryList(QWidget* parent) : DrawingSurface(twipsSize(1932, 6375), listGrey(), parent)
{
    setObjectName(design::kEntryList);
    setScale(Scale::CharacterCells);
    setDrawingFont(designFont(kMsSansSerif, 7.8));
    const LineGeometry lines[] = {
        {"Line11", 0, 0, 0, 6600, 5, frameGrey()},         // left edge
        {"Line14", 1920, 0, 1920, 6480, 10, frameGrey()},  // right edge
        {"Line13", -240, 6360, 1920, 6360, 10, frameGrey()},  // bottom
    };
    addLines(lines, this);
}

void EntryList::drawEntry(int row, HeirKind kind, int count)
{
    const HeirKindInfo& info = infoOf(kind);
    if (info.entry == EntryKind::Counted) {
        setCurrentPosition(0, row);
        printText(QString::fromStdString(numberText(std::int64_t{count})));
    }
    setCurrentPosition(info.nameColumn, row);
    printText(QString::fromUtf8(info.displayName.data(), static_cast<int>(info.displayName.size())));
}

void EntryList::eraseRow(int row) { fillRect(0, row, 20, row + 1, listGrey()); }

}  // namespace qismaru::ui
