#pragma once

class QStatusBar;
class QWidget;

namespace qismaru::ui {

// Shows the status tip of a disabled item of `menu` (a QMenu or the menu
// bar) in `bar` while the pointer is over it: why the item cannot be chosen
// now. Qt shows the tips of enabled items only.
void hintDisabledItems(QWidget& menu, QStatusBar& bar);

}  // namespace qismaru::ui
