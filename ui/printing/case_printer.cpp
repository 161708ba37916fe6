#include "ui/printing/case_printer.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/kit/message_boxes.h"
#include "ui/printing/print_layout.h"

namespace qismaru::ui {

namespace {

// Positions are designed in twips, 1440 to the inch.
constexpr double kTwipsPerInch = 1440.0;

// The title of the print job; queues show it, and cups-pdf names its file
// after it. Latin letters, because cups-pdf mangles an Arabic title.
const char* const kDocumentName = "qismaru";

const char* const kNoPrinter = "لا توجد طابعة معرفة على هذا الجهاز.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";

}  // namespace

namespace {

// The page on a printer or a PDF writer of `dotsPerInch`.
bool paintCasePage(const PrintedCase& printed, QPaintDevice& device, int dotsPerInch)
{
    QPainter page;
    if (!page.begin(&device)) return false;
    // The device's own dots, not the page's size, set the scale: 7152 twips
    // stay 4.97 inches on any paper.
    paintPrintedPage(page, printed.table, printed.positions, dotsPerInch / kTwipsPerInch);
    return page.end();
}

}  // namespace

bool printCaseTable(const PrintedCase& printed, QPrinter& printer)
{
    if (printer.docName().isEmpty()) printer.setDocName(kDocumentName);
    return paintCasePage(printed, printer, printer.resolution());
}

DrawnFileOutcome savePdf(const PrintedCase& printed, const QString& file)
{
    return writePdfFile(file, kCasePageTitle,
                        [&printed](QPdfWriter& pdf) { return paintCasePage(printed, pdf, pdf.resolution()); });
}

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& dialogTitle, const QString& pdfTitle)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(dialogTitle);
    dialog.setLayoutDirection(Qt::RightToLeft);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    printer->setDocName(printer->outputFormat() == QPrinter::PdfFormat ? pdfTitle : QString(kDocumentName));
    return printer;
}

std::unique_ptr<QPrinter> openDefaultPrinter()
{
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull()) return nullptr;
    auto printer = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
    if (printer->outputFormat() != QPrinter::NativeFormat) return nullptr;
    return printer;
}

CasePrinter::CasePrinter(MessageBoxes& messages, std::unique_ptr<PdfFallbackDialogs> fallback, PrinterSource printers)
    : messages_(messages), fallback_(std::move(fallback)), printers_(std::move(printers))
{
}

PrintOutcome CasePrinter::print(const PrintedCase& printed, QWidget* parent)
{
    const std::unique_ptr<QPrinter> printer = printers_();
    if (!printer) return offerPdf(printed, parent, kNoPrinter);
    if (!printCaseTable(printed, *printer)) return offerPdf(printed, parent, kPrintJobFailed);
    return PrintOutcome::Printed;
}

PrintOutcome CasePrinter::offerPdf(const PrintedCase& printed, QWidget* parent, const char* reason)
{
    if (!fallback_->offerPdf(parent, kProgramCaption, reason)) return PrintOutcome::NotPrinted;
    const QString file = fallback_->pdfFileName(parent, suggestedPdfPath());
    if (file.isEmpty()) return PrintOutcome::NotPrinted;

    const DrawnFileOutcome saved = savePdf(printed, file);
    if (saved.ok()) return PrintOutcome::SavedAsPdf;
    messages_.inform(parent, kProgramCaption, drawnFileFailureText(kPageNamed, file, saved));
    return PrintOutcome::SaveFailed;
}

}  // namespace qismaru::ui
