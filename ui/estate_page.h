#pragma once

#include <QString>
#include <memory>

#include "estate/estate_report.h"

class QPrinter;
class QTextDocument;

namespace qismaru::ui {

// The settlement on paper: the title, the claims and the net, the heirs'
// amounts, what no heir takes, the rounding difference and the notes, as
// text that stays text in a PDF.
std::unique_ptr<QTextDocument> estateDocument(const estate::EstateReport& report);

// The page on the printer, scaled down when it would not fit, so that it is
// always one page. False when the job could not start or end.
bool printEstatePage(const estate::EstateReport& report, QPrinter& printer);

// The same page as a PDF file.
bool writeEstatePdf(const estate::EstateReport& report, const QString& file);

}  // namespace qismaru::ui
