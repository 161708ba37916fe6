#include "present/combined_table_text.h"

#include <algorithm>

#include "present/combined_sentences.h"
#include "present/heir_names.h"
#include "present/solution_context.h"

namespace qismaru {

namespace {

bool everReceived(const PersonGroup& g)
{
    return std::any_of(g.caseParts.begin(), g.caseParts.end(), [](std::int64_t parts) { return parts > 0; });
}

}  // namespace

std::string groupLabel(const PersonGroup& group)
{
    const HeirKindInfo& first = infoOf(group.refs.front().kind);
    std::string label(first.displayName);
    if (first.entry == EntryKind::Counted) label += " " + figure(std::int64_t{group.count});
    for (std::size_t i = 1; i < group.refs.size(); ++i) {
        label += "، " + std::string(infoOf(group.refs[i].kind).displayName) + " في " + caseOrdinal(group.refs[i].death);
    }
    return label;
}

CombinedTableText combinedTableText(const CombinedTable& table)
{
    CombinedTableText text;
    text.header.push_back("الورثة");
    for (std::size_t d = 0; d < table.caseBases.size(); ++d) {
        text.header.push_back("المسألة " + caseOrdinal(static_cast<int>(d) + 1) + " " + figure(table.caseBases[d]) +
                              " × " + figure(table.multipliers[d]));
    }
    text.header.push_back("الجامعة " + figure(table.base));

    std::vector<const PersonGroup*> shown;
    for (const PersonGroup& g : table.groups) {
        if (everReceived(g)) shown.push_back(&g);
    }
    std::stable_sort(shown.begin(), shown.end(), [](const PersonGroup* a, const PersonGroup* b) {
        const GroupRef& x = a->refs.front();
        const GroupRef& y = b->refs.front();
        return x.death != y.death ? x.death < y.death : readingRank(x.kind) < readingRank(y.kind);
    });
    for (const PersonGroup* g : shown) {
        std::vector<std::string>& row = text.rows.emplace_back();
        row.push_back(groupLabel(*g));
        for (const std::int64_t parts : g->caseParts) row.push_back(parts > 0 ? figure(parts) : "");
        row.push_back(g->alive() ? figure(g->parts) : "الميت " + deceasedOrdinal(g->diedAs));
    }
    if (table.undistributed > 0) {
        std::vector<std::string>& row = text.rows.emplace_back(text.header.size());
        row.front() = "لا يأخذه وارث";
        row.back() = figure(table.undistributed);
    }
    return text;
}

std::string tableLines(const CombinedTableText& text, std::string_view separator)
{
    std::string lines;
    const auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) lines += separator;
            lines += cells[i];
        }
        lines += '\n';
    };
    line(text.header);
    for (const auto& row : text.rows) line(row);
    return lines;
}

}  // namespace qismaru
