#include "ui/reports/estate_page.h"

#include <QTextDocument>

#include "ui/printing/text_page.h"

namespace qismaru::ui {

namespace {

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
    return rightToLeftPage(body);
}

}  // namespace qismaru::ui
