#include "ui/estate_page.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "ui/fonts.h"

namespace qismaru::ui {

namespace {

// Latin letters: print queues and cups-pdf mangle an Arabic job title.
const char* const kDocumentName = "qismaru-estate";

QString html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Amounts keep their digits left to right inside the right-to-left page.
QString amountCell(const std::string& text) { return "<td align=\"right\" dir=\"ltr\">" + html(text) + "</td>"; }

// Qt's rich text lays table columns out left to right whatever the text's
// direction, so each row is written from its last column to its first.
QString amountTable(const std::vector<estate::AmountLine>& lines)
{
    QString table = "<table align=\"right\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"60%\">";
    for (const estate::AmountLine& line : lines) {
        table += "<tr>" + amountCell(line.amount) + "<td>" + html(line.label) + "</td></tr>";
    }
    return table + "</table>";
}

QString kindsTable(const estate::EstateReport& report)
{
    const auto titles = estate::kindColumnTitles(report);
    QString table = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr>";
    for (auto title = titles.rbegin(); title != titles.rend(); ++title) table += "<th>" + html(*title) + "</th>";
    table += "</tr>";
    for (const estate::KindLine& line : report.kinds) {
        const auto cells = estate::cellsOf(line);
        table += "<tr>";
        for (int i = estate::kKindColumns - 1; i >= 0; --i) {
            table += i >= 4 ? amountCell(cells[i]) : "<td>" + html(cells[i]) + "</td>";
        }
        table += "</tr>";
    }
    return table + "</table>";
}

}  // namespace

std::unique_ptr<QTextDocument> estateDocument(const estate::EstateReport& report)
{
    QString body = "<h2>" + html(estate::kEstateTitle) + "</h2>" + amountTable(report.claims);
    if (!report.kinds.empty()) body += "<p></p>" + kindsTable(report) + "<p></p>" + amountTable(report.closing);
    for (const std::string& note : report.notes) body += "<p>" + html(note) + "</p>";

    auto document = std::make_unique<QTextDocument>();
    QTextOption direction = document->defaultTextOption();
    direction.setTextDirection(Qt::RightToLeft);
    document->setDefaultTextOption(direction);
    // A face whose letters stay text in a PDF (Amiri's do not).
    document->setDefaultFont(designFont(kMsSansSerif, 10, false));
    document->setHtml("<body dir=\"rtl\">" + body + "</body>");
    return document;
}

bool printEstatePage(const estate::EstateReport& report, QPrinter& printer)
{
    if (printer.docName().isEmpty()) printer.setDocName(kDocumentName);
    const std::unique_ptr<QTextDocument> document = estateDocument(report);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Lay the text out at screen size across the page's width, then scale it
    // to the printer's dots; a long case shrinks to stay on its one page.
    const double dotsPerPixel = printer.resolution() / 96.0;
    document->setPageSize(QSizeF(page.width() / dotsPerPixel, 1e6));
    document->setTextWidth(page.width() / dotsPerPixel);
    const double height = document->documentLayout()->documentSize().height() * dotsPerPixel;
    const double fit = std::min(1.0, page.height() / height);
    painter.scale(dotsPerPixel * fit, dotsPerPixel * fit);
    document->drawContents(&painter);
    return painter.end();
}

bool writeEstatePdf(const estate::EstateReport& report, const QString& file)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setDocName(estate::kEstateTitle);
    return printEstatePage(report, pdf);
}

}  // namespace qismaru::ui
