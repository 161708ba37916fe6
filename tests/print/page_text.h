#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace qismaru::ui::testing {

// The printed page read back as text with poppler's pdftotext: the page is
// vector text, so a reader can search and copy it.

// A glyph or a run of digits where pdftotext finds it, in twips from the
// top-left corner of the page.
struct PageWord {
    QRectF box;
    QString text;
};

// Every word on the only page of `pdfFile` (pdftotext -bbox).
QList<PageWord> wordsOnPage(const QString& pdfFile);

// The text pdftotext reads inside `area` (twips from the page's corner);
// a glyph that reaches out of the area is lost from it.
QString textIn(const QString& pdfFile, const QRectF& area);

// A text reduced to what survives the trip through a PDF: Arabic
// presentation forms and ligatures become letters again (NFKC), direction
// marks and blanks go, and, because pdftotext may put a neutral such as
// "=" on either side of a number, the words (runs of letters, runs of
// digits, single signs) are compared as a sorted list.
QStringList comparableWords(const QString& text);

}  // namespace qismaru::ui::testing
