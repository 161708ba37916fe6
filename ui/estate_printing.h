#pragma once

#include <memory>

#include "ui/case_printer.h"
#include "ui/estate_window.h"

namespace qismaru::ui {

class MessageBoxes;

// What the estate window's Print and PDF buttons do. Print sends the page to
// the default printer; when there is none, or the job cannot start, it
// offers the PDF file instead, as the main window's Print does.
EstateWindow::Commands estatePrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                           CasePrinter::PrinterSource printers = openDefaultPrinter);

}  // namespace qismaru::ui
