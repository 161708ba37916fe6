#pragma once

#include <QString>

namespace qismaru::ui {
class MainWindow;
}

namespace qismaru::app {

// Enters a case written as "h=1 m=1 f=1" by pressing the heir buttons and the
// count dialog's OK, then presses Calculate. False when the text is not CODE=N items.
bool enterAndCalculate(ui::MainWindow& window, const QString& counts);

}  // namespace qismaru::app
