#include "ui/reports/combined_page.h"

#include <QTextDocument>

#include "ui/printing/text_page.h"

namespace qismaru::ui {

namespace {

QString html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

std::unique_ptr<QTextDocument> combinedDocument(const CombinedPage& page)
{
    QString body = "<h2>" + html(kCombinedTitle) + "</h2><p>" + html(page.positions);
    for (const std::string& death : page.deaths) body += "<br>" + html(death);
    body += "</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">";
    body += tableRowHtml(page.table.header, "th", "");
    for (std::size_t i = 0; i < page.table.rows.size(); ++i) {
        // The deceased's rows are shaded: his parts passed to his own heirs.
        body += tableRowHtml(page.table.rows[i], "td", page.table.diedAs[i] > 0 ? " bgcolor=\"#e4e4e4\"" : "");
    }
    return rightToLeftPage(body + "</table>");
}

}  // namespace qismaru::ui
