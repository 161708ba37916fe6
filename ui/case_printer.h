#pragma once

#include <functional>
#include <memory>

#include "engine/case_result.h"
#include "model/heir_kind.h"
#include "ui/pdf_fallback.h"

class QPrinter;

namespace qismaru::ui {

class DrawingSurface;
class MainWindow;
class MessageBoxes;

// Puts the layout's client area, its drawing and its ruling, on the printer's
// first page at its natural size. False when the job could not start or end.
bool printLayoutPage(DrawingSurface& layout, QPrinter& printer);

// One print: a fresh `Form26` with the case's table in the paper's row order,
// shown while its page goes to the printer, then unloaded.
bool printCaseTable(const KindCounts& counts, const CaseResult& result, QPrinter& printer);

// A printer for the system's default print queue, or none when there is no
// queue; Qt on its own would hand out a PDF writer without a file instead.
std::unique_ptr<QPrinter> openDefaultPrinter();

enum class PrintOutcome {
    Printed,  // the page went to the printer
    // There was no printer, or the job could not start, and then:
    SavedAsPdf,  // the user saved the same page as a PDF file
    NotPrinted,  // the user declined the file or cancelled the file dialog
    SaveFailed,  // the file could not be written; the user was told
};

// The Print command: the page to the default printer, or, when there is none
// or the job cannot start, the offer to save the same page as a PDF file.
class CasePrinter {
public:
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

    CasePrinter(MessageBoxes& messages, std::unique_ptr<PdfFallbackDialogs> fallback,
                PrinterSource printers = openDefaultPrinter);

    PrintOutcome print(const KindCounts& counts, const CaseResult& result, QWidget* parent);

private:
    PrintOutcome offerPdf(const KindCounts& counts, const CaseResult& result, QWidget* parent, const char* reason);

    MessageBoxes& messages_;
    std::unique_ptr<PdfFallbackDialogs> fallback_;
    PrinterSource printers_;
};

// Makes the Print button of `window` print its computed case with `printer`.
void attachPrinter(MainWindow& window, std::shared_ptr<CasePrinter> printer);
// The program's printing: the default printer, and modal dialogs for the PDF offer.
void attachDefaultPrinter(MainWindow& window, MessageBoxes& messages);

}  // namespace qismaru::ui
