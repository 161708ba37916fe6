#include "ui/printing/text_page.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
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

bool printOnOnePage(QTextDocument& page, QPrinter& printer, const char* jobName)
{
    if (printer.docName().isEmpty()) printer.setDocName(jobName);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    // Lay the text out at screen size across the page's width, then scale it
    // to the printer's dots; a long report shrinks to stay on its one page.
    const double dotsPerPixel = printer.resolution() / 96.0;
    page.setPageSize(QSizeF(paper.width() / dotsPerPixel, 1e6));
    page.setTextWidth(paper.width() / dotsPerPixel);
    const double height = page.documentLayout()->documentSize().height() * dotsPerPixel;
    const double fit = std::min(1.0, paper.height() / height);
    painter.scale(dotsPerPixel * fit, dotsPerPixel * fit);
    page.drawContents(&painter);
    return painter.end();
}

bool writeOnePagePdf(QTextDocument& page, const QString& file, const QString& title, const char* jobName)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setCreator(QStringLiteral("qismaru"));
    pdf.setDocName(title);
    return printOnOnePage(page, pdf, jobName);
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
    if (!writeOnePagePdf(*page(), file, title_, jobName_))
        messages_.inform(parent, kProgramCaption, QString(kPdfSaveFailed).arg(file));
}

PrinterChooser printDialogFor(const QString& title)
{
    return [title](QWidget* parent) { return choosePrinter(parent, "طباعة " + title, title); };
}

}  // namespace qismaru::ui
