#include "ui/case_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "present/result_table.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/print_layout.h"
#include "ui/result_area.h"

namespace qismaru::ui {

namespace {

// The layouts are designed at 15 twips a pixel, 96 pixels an inch.
constexpr double kLayoutPixelsPerInch = 1440.0 / 15.0;

// The title of the print job; queues show it, and cups-pdf names its file
// after it. Latin letters, because cups-pdf mangles an Arabic title.
const char* const kDocumentName = "qismaru";

const char* const kNoPrinter = "لا توجد طابعة معرفة على هذا الجهاز.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";
const char* const kJobFailed =
    "تعذر بدء الطباعة على الطابعة الافتراضية.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";
const char* const kSaveFailed = "تعذر حفظ الصفحة في الملف:\n%1";

}  // namespace

bool printLayoutPage(DrawingSurface& layout, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printer counts its own dots; scaling by them, not by the page,
    // keeps 7152 twips at 4.97 inches on any paper.
    const double dotsPerLayoutPixel = printer.resolution() / kLayoutPixelsPerInch;
    painter.scale(dotsPerLayoutPixel, dotsPerLayoutPixel);
    layout.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return painter.end();
}

bool printCaseTable(const KindCounts& counts, const CaseResult& result, QPrinter& printer)
{
    const std::unique_ptr<DrawingSurface> form26 = createPrintLayout();
    form26->show();
    drawPlacedTexts(*form26, layoutResultTable(counts, result, TableMedium::Paper));
    printer.setDocName(kDocumentName);
    const bool printed = printLayoutPage(*form26, printer);
    form26->close();
    return printed;
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

PrintOutcome CasePrinter::print(const KindCounts& counts, const CaseResult& result, QWidget* parent)
{
    const std::unique_ptr<QPrinter> printer = printers_();
    if (!printer) return offerPdf(counts, result, parent, kNoPrinter);
    if (!printCaseTable(counts, result, *printer)) return offerPdf(counts, result, parent, kJobFailed);
    return PrintOutcome::Printed;
}

PrintOutcome CasePrinter::offerPdf(const KindCounts& counts, const CaseResult& result, QWidget* parent,
                                   const char* reason)
{
    if (!fallback_->offerPdf(parent, kProgramCaption, reason)) return PrintOutcome::NotPrinted;
    const QString file = fallback_->pdfFileName(parent, suggestedPdfPath());
    if (file.isEmpty()) return PrintOutcome::NotPrinted;

    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    // The drawing is a bitmap at 96 dpi; 300 dpi keeps the ruling sharp at a
    // seventh of the file that the writer's own 1200 dpi would give.
    pdf.setResolution(300);
    pdf.setOutputFileName(file);
    if (printCaseTable(counts, result, pdf)) return PrintOutcome::SavedAsPdf;
    messages_.inform(parent, kProgramCaption, QString(kSaveFailed).arg(file));
    return PrintOutcome::SaveFailed;
}

void attachPrinter(MainWindow& window, std::shared_ptr<CasePrinter> printer)
{
    window.secondaryWindows().print = [&window, printer = std::move(printer)] {
        printer->print(window.caseState().counts, window.caseResult(), &window);
    };
}

void attachDefaultPrinter(MainWindow& window, MessageBoxes& messages)
{
    attachPrinter(window, std::make_shared<CasePrinter>(messages, std::make_unique<ModalPdfFallbackDialogs>()));
}

}  // namespace qismaru::ui
