#pragma once

#include <QString>
#include <memory>

#include "estate/estate_report.h"

class QTextDocument;

namespace qismaru::ui {

// The settlement on paper: the title, the claims and the net, the heirs'
// amounts, what no heir takes, the rounding difference and the notes, as
// text that stays text in a PDF.
std::unique_ptr<QTextDocument> estateDocument(const estate::EstateReport& report);

}  // namespace qismaru::ui
