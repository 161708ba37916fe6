#include "ui/reports/combined_page.h"

#include <QTextDocument>

#include "ui/printing/text_page.h"

namespace qismaru::ui {

namespace {

QString html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Qt's rich text lays table columns out left to right whatever the text's
// direction, so each row is written from its last column to its first; the
// figures are centred under their case.
QString tableRow(const std::vector<std::string>& cells, const char* cell, const char* marked)
{
    QString row = QString("<tr") + marked + ">";
    for (auto text = cells.rbegin(); text != cells.rend(); ++text) {
        const bool names = text == cells.rend() - 1;
        row += QString("<") + cell + (names ? ">" : " align=\"center\">") + html(*text) + "</" + cell + ">";
    }
    return row + "</tr>";
}

}  // namespace

std::unique_ptr<QTextDocument> combinedDocument(const CombinedPage& page)
{
    QString body = "<h2>" + html(kCombinedTitle) + "</h2><p>" + html(page.positions);
    for (const std::string& death : page.deaths) body += "<br>" + html(death);
    body += "</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">";
    body += tableRow(page.table.header, "th", "");
    for (std::size_t i = 0; i < page.table.rows.size(); ++i) {
        // The deceased's rows are shaded: his parts passed to his own heirs.
        body += tableRow(page.table.rows[i], "td", page.table.diedAs[i] > 0 ? " bgcolor=\"#e4e4e4\"" : "");
    }
    return rightToLeftPage(body + "</table>");
}

}  // namespace qismaru::ui
