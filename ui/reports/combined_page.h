#pragma once

#include <memory>

#include "answer/combined_page.h"

class QTextDocument;

namespace qismaru::ui {

// The combined table's page (answer/combined_page.h) as rich text, for the
// printer and PDF files.
std::unique_ptr<QTextDocument> combinedDocument(const CombinedPage& page);

}  // namespace qismaru::ui
