#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "model/positions.h"
#include "present/result_table.h"
#include "ui/printing/drawn_file.h"
#include "ui/printing/pdf_fallback.h"

class QPrinter;

namespace qismaru::ui {

class MessageBoxes;

// One computed case, answered by `positions`, as its page shows it: the
// answer's own table laid out for paper, whatever the case holds (the heirs
// of the buttons, relatives by path, distant kindred).
struct PrintedCase {
    const ResultTable& table;
    const Positions& positions;
};

// One print: the case's page, at its natural size from the corner of the
// printable area, as the only page of the job. False when the job could not
// start or end.
bool printCaseTable(const PrintedCase& printed, QPrinter& printer);

// The same page written to a PDF file, as case files are written.
DrawnFileOutcome savePdf(const PrintedCase& printed, const QString& file);

// A printer for the system's default print queue, or none when there is no
// queue; Qt on its own would hand out a PDF writer without a file instead.
std::unique_ptr<QPrinter> openDefaultPrinter();

// The printer the user chooses in the print dialog titled `dialogTitle`, or
// none when the dialog is cancelled. A job to a queue is named in Latin
// letters (queues mangle Arabic names); a PDF file chosen there is titled
// `pdfTitle`.
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& dialogTitle, const QString& pdfTitle);
using PrinterChooser = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;

// The title of a PDF file of the case's page, as a reader lists it.
inline const char* const kCasePageTitle = "جدول المسألة — قسمارو";

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

    PrintOutcome print(const PrintedCase& printed, QWidget* parent);

private:
    PrintOutcome offerPdf(const PrintedCase& printed, QWidget* parent, const char* reason);

    MessageBoxes& messages_;
    std::unique_ptr<PdfFallbackDialogs> fallback_;
    PrinterSource printers_;
};

}  // namespace qismaru::ui
