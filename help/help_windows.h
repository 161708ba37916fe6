#pragma once

#include <functional>

namespace qismaru::ui {
class MainWindow;
}

namespace qismaru::help {

// Gives the main window its help and auxiliary windows: the welcome window
// at the first activation of the run, the exit confirmation (menu "الخروج"
// and the close box), the About window (menu "نبذة") and the explanation
// index (menu "إيــضــــاح"). Confirming the exit calls `endProgram`; the
// program passes a call that ends its event loop, tests pass one they can
// observe. The windows live no longer than the main window.
void attachHelpWindows(ui::MainWindow& main, std::function<void()> endProgram);

}  // namespace qismaru::help
