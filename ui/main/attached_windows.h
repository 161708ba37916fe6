#pragma once

#include <memory>

#include "ui/printing/case_printer.h"

namespace qismaru::ui {

class MainWindow;
class MessageBoxes;

// The windows and commands the main window's buttons and menu items open,
// given to it by the program (and by tests, with their own doubles).

// Makes the Print button of `window` print its computed case with `printer`.
void attachPrinter(MainWindow& window, std::shared_ptr<CasePrinter> printer);
// The program's printing: the default printer, and modal dialogs for the PDF offer.
void attachDefaultPrinter(MainWindow& window, MessageBoxes& messages);

// Makes the main window's menu item "خطوات الحل" open the solution of its
// answer in one window, which follows the answer for as long as it is open.
void attachSolutionWindow(MainWindow& window, MessageBoxes& messages);

}  // namespace qismaru::ui
