#include "ui/reports/waiting_page.h"

#include <QTextDocument>

#include "ui/printing/text_page.h"

namespace qismaru::ui {

namespace {

QString paragraph(const std::string& text) { return "<p>" + QString::fromStdString(text).toHtmlEscaped() + "</p>"; }

QString tableHtml(const WaitingGrid& grid)
{
    QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">";
    if (!grid.columns.empty()) html += tableRowHtml(grid.columns, "th", "");
    for (const std::vector<std::string>& row : grid.rows) html += tableRowHtml(row, "td", "");
    return html + "</table>";
}

QString claimsHtml(const std::vector<estate::AmountLine>& claims)
{
    WaitingGrid grid;
    for (const estate::AmountLine& line : claims) grid.rows.push_back({line.label, line.amount});
    return tableHtml(grid);
}

}  // namespace

std::unique_ptr<QTextDocument> waitingDocument(const WaitingTables& tables)
{
    const bool together = !tables.together.empty();
    QString body = QString("<h2>") + (together ? kTogetherTitle : kWaitingTitle) + "</h2>";
    if (!tables.claims.empty()) body += claimsHtml(tables.claims) + "<br>";
    if (!tables.division.empty()) body += tableHtml(tables.division);
    if (!tables.provision.empty()) body += paragraph(tables.provision);
    if (!tables.recorded.empty()) body += paragraph(tables.recordedHeading) + tableHtml(tables.recorded);
    if (together) body += paragraph(tables.togetherRule);
    for (std::size_t i = 0; i < tables.together.size(); ++i)
        body += paragraph(tables.togetherHeadings[i]) + tableHtml(tables.together[i]);
    return rightToLeftPage(body);
}

}  // namespace qismaru::ui
