#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "present/combined_table_text.h"
#include "ui/document/shown_answer.h"

class QTextDocument;

namespace qismaru::ui {

// The combined table of successive deaths (الجامعة) as its window, its
// printed page and its copy show it: the school it was answered by, a line
// per later death naming who died, and the table as the books draw it.
struct CombinedPage {
    std::string positions;
    std::vector<std::string> deaths;
    CombinedTableText table;
};

inline constexpr const char* kCombinedTitle = "الجامعة";

// The page of an answer whose later deaths joined.
CombinedPage combinedPageOf(const ShownAnswer& answer);

// As plain text: the title, the lines, then the table with its cells
// separated by tabs, as it pastes into a spreadsheet.
std::string combinedPageText(const CombinedPage& page);

// As rich text, for the printer and PDF files.
std::unique_ptr<QTextDocument> combinedDocument(const CombinedPage& page);

}  // namespace qismaru::ui
