#pragma once

#include <string>
#include <vector>

#include "answer/case_answer.h"
#include "present/combined_table_text.h"

namespace qismaru {

// The combined table of successive deaths (الجامعة) as its window, its
// printed page, its copy and the web page show it: the school it was
// answered by, a line per later death naming who died, and the table as the
// books draw it.
struct CombinedPage {
    std::string positions;
    std::vector<std::string> deaths;
    CombinedTableText table;
};

inline constexpr const char* kCombinedTitle = "الجامعة";

// The page of an answer whose later deaths joined.
CombinedPage combinedPageOf(const CaseAnswer& answer);

// As plain text: the title, the lines, then the table with its cells
// separated by tabs, as it pastes into a spreadsheet.
std::string combinedPageText(const CombinedPage& page);

}  // namespace qismaru
