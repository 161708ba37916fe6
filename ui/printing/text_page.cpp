#include "ui/printing/text_page.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"

namespace qismaru::ui {

std::unique_ptr<QTextDocument> rightToLeftPage(const QString& bodyHtml)
{
    auto page = std::make_unique<QTextDocument>();
    QTextOption direction = page->defaultTextOption();
    direction.setTextDirection(Qt::RightToLeft);
    page->setDefaultTextOption(direction);
    // A face whose letters stay text in a PDF (Amiri's do not).
    page->setDefaultFont(designFont(kMsSansSerif, 10, false));
    page->setHtml("<body dir=\"rtl\">" + bodyHtml + "</body>");
    return page;
}

namespace {

// The page on a printer or a PDF writer whose printable area is `paper` in
// its dots, `dotsPerInch` of them to the inch.
bool drawOnOnePage(QTextDocument& page, QPaintDevice& device, const QRectF& paper, int dotsPerInch)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Lay the text out at screen size across the page's width, then scale it
    // to the device's dots; a long report shrinks to stay on its one page.
    const double dotsPerPixel = dotsPerInch / 96.0;
    page.setPageSize(QSizeF(paper.width() / dotsPerPixel, 1e6));
    page.setTextWidth(paper.width() / dotsPerPixel);
    const double height = page.documentLayout()->documentSize().height() * dotsPerPixel;
    const double fit = std::min(1.0, paper.height() / height);
    painter.scale(dotsPerPixel * fit, dotsPerPixel * fit);
    page.drawContents(&painter);
    return painter.end();
}

}  // namespace

bool printOnOnePage(QTextDocument& page, QPrinter& printer, const char* jobName)
{
    if (printer.docName().isEmpty()) printer.setDocName(jobName);
    return drawOnOnePage(page, printer, printer.pageLayout().paintRectPixels(printer.resolution()),
                         printer.resolution());
}

DrawnFileOutcome writeOnePagePdf(QTextDocument& page, const QString& file, const QString& title)
{
    return writePdfFile(file, title, [&page](QPdfWriter& pdf) {
        return drawOnOnePage(page, pdf, pdf.pageLayout().paintRectPixels(pdf.resolution()), pdf.resolution());
    });
}

PagePrinting::PagePrinting(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs, PrinterChooser printers,
                           QString title, const char* jobName)
    : messages_(messages),
      dialogs_(std::move(dialogs)),
      printers_(std::move(printers)),
      title_(std::move(title)),
      jobName_(jobName)
{
}

void PagePrinting::print(const Page& page, QWidget* parent) const
{
    const std::unique_ptr<QPrinter> printer = printers_(parent);
    if (!printer || printOnOnePage(*page(), *printer, jobName_)) return;
    if (dialogs_->offerPdf(parent, kProgramCaption, kChosenPrinterFailed)) savePdf(page, parent);
}

void PagePrinting::savePdf(const Page& page, QWidget* parent) const
{
    const QString suggested = QFileInfo(suggestedPdfPath()).dir().filePath(title_ + ".pdf");
    const QString file = dialogs_->pdfFileName(parent, suggested);
    if (file.isEmpty()) return;
    const DrawnFileOutcome saved = writeOnePagePdf(*page(), file, title_);
    if (!saved.ok()) messages_.inform(parent, kProgramCaption, drawnFileFailureText(kPageNamed, file, saved));
}

PrinterChooser printDialogFor(const QString& title)
{
    return [title](QWidget* parent) { return choosePrinter(parent, "طباعة " + title, title); };
}

QString tableRowHtml(const std::vector<std::string>& cells, const char* cell, const char* attributes)
{
    // Qt's rich text lays table columns out left to right whatever the text's
    // direction, so each row is written from its last column to its first.
    QString row = QString("<tr") + attributes + ">";
    for (auto text = cells.rbegin(); text != cells.rend(); ++text) {
        const bool names = text == cells.rend() - 1;
        row += QString("<") + cell + (names ? ">" : " align=\"center\">") +
               QString::fromStdString(*text).toHtmlEscaped() + "</" + cell + ">";
    }
    return row + "</tr>";
}

}  // namespace qismaru::ui
