#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/printing/case_printer.h"

class QPrinter;
class QTextDocument;

namespace qismaru::ui {

class MessageBoxes;

// A page of a window's report (the settlement, the combined table) as rich
// text that stays text in a PDF, right to left.
std::unique_ptr<QTextDocument> rightToLeftPage(const QString& bodyHtml);

// The page on the printer as its only page: laid out at screen size across
// the page's width, scaled to the printer's dots, and shrunk when it would
// not fit. A job without a name takes `jobName` (Latin letters: print queues
// mangle Arabic ones). False when the job could not start or end.
bool printOnOnePage(QTextDocument& page, QPrinter& printer, const char* jobName);

// The same page as a PDF file with an Arabic title, as a reader lists it,
// written as case files are.
DrawnFileOutcome writeOnePagePdf(QTextDocument& page, const QString& file, const QString& title);

// What a report window's Print and PDF buttons do with its page. Print
// opens the print dialog titled for the report and sends the page to the
// printer chosen there; when the job cannot start it offers the PDF file
// instead. PDF asks for the file and writes it; a file that cannot be
// written is named in a message, with the reason.
class PagePrinting {
public:
    using Page = std::function<std::unique_ptr<QTextDocument>()>;

    // `title` names the report ("الجامعة"): the print dialog's title, the
    // PDF file's, and the file name proposed.
    PagePrinting(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs, PrinterChooser printers,
                 QString title, const char* jobName);

    void print(const Page& page, QWidget* parent) const;
    void savePdf(const Page& page, QWidget* parent) const;

private:
    MessageBoxes& messages_;
    std::shared_ptr<PdfFallbackDialogs> dialogs_;
    PrinterChooser printers_;
    QString title_;
    const char* jobName_;
};

// A row of a table on such a page: its first cell (the names) at the right,
// the figures centred; `cell` is "th" or "td", `attributes` those of the row
// (" bgcolor=...") or "".
QString tableRowHtml(const std::vector<std::string>& cells, const char* cell, const char* attributes);

// The print dialog titled "طباعة <title>", a PDF file chosen there titled `title`.
PrinterChooser printDialogFor(const QString& title);

}  // namespace qismaru::ui
