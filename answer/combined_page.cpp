#include "answer/combined_page.h"

#include "present/positions_text.h"

namespace qismaru {

CombinedPage combinedPageOf(const CaseAnswer& answer)
{
    const SuccessiveDeaths& joined = *answer.successive;
    CombinedPage page;
    page.positions = positionsLine(answer.positions());
    for (std::size_t i = 0; i < joined.later.size(); ++i) page.deaths.push_back(joined.heading(i));
    page.table = combinedTableText(joined.table());
    return page;
}

std::string combinedPageText(const CombinedPage& page)
{
    std::string text = std::string(kCombinedTitle) + "\n" + page.positions + "\n";
    for (const std::string& death : page.deaths) text += death + "\n";
    return text + "\n" + tableLines(page.table, "\t");
}

}  // namespace qismaru
