#pragma once

#include <memory>

#include "ui/printing/case_printer.h"
#include "ui/reports/estate_window.h"

namespace qismaru::ui {

class MessageBoxes;

// The print dialog, titled for the settlement.
std::unique_ptr<QPrinter> choosePrinterForEstate(QWidget* parent);

// What the estate window's Print and PDF buttons do. Print opens the print
// dialog, as the solution window's does, and sends the page to the printer
// chosen there; when the job cannot start it offers the PDF file instead.
EstateWindow::Commands estatePrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                           PrinterChooser printers = choosePrinterForEstate);

}  // namespace qismaru::ui
