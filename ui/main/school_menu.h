#pragma once

#include <memory>

class QSettings;

namespace qismaru::ui {

class MainWindow;

// Adds the menu "المذهب" at the end of the main window's menu bar: the four
// schools, one of them chosen; the return to a spouse who is the only heir;
// no return at all, for the two schools that once held it; and the page on
// where the schools differ. The menu follows the window's positions, however
// they change (a case file sets them too).
void addSchoolMenu(MainWindow& window);

// Keeps the window's school and positions in `settings` between runs: sets
// the window to what was kept, then keeps every change.
void rememberPositions(MainWindow& window, std::unique_ptr<QSettings> settings);

// The same in the user's settings of the program.
void rememberPositionsInUserSettings(MainWindow& window);

}  // namespace qismaru::ui
