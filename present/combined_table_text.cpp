#include "present/combined_table_text.h"
#include "present/heir_labels.h"

#include <algorithm>

#include "model/kinship.h"
#include "model/relative_case.h"
#include "present/combined_sentences.h"
#include "present/heir_names.h"
#include "present/solution_context.h"

namespace qismaru {

namespace {

bool everReceived(const CombinedTable& table, std::size_t row)
{
    for (std::size_t d = 0; d < table.deathCount(); ++d) {
        if (table.casePart(row, d) > 0) return true;
    }
    return false;
}

}  // namespace

std::string groupLabel(const PersonGroup& group)
{
    std::string label = groupDisplayName(group.ref);
    // Relatives by path are counted as a counted kind is, but for one person
    // (a grandmother by her side, a grandfather).
    const bool counted = group.ref.byPath() ? !isOnePerson(kinshipOf(group.ref.path))
                                            : infoOf(group.ref.kind).entry == EntryKind::Counted;
    if (counted) {
        label += ' ';
        label += figure(std::int64_t{group.count});
    }
    for (const GroupRef& r : group.also) {
        label += "، ";
        label += groupDisplayName(r);
        label += " في " + caseOrdinal(r.death);
    }
    return label;
}

bool listedBefore(const GroupRef& a, const GroupRef& b)
{
    if (a.death != b.death) return a.death < b.death;
    // The kinds in the order a teacher reads them, then the relatives by
    // path as they were entered.
    if (a.byPath() || b.byPath()) return !a.byPath() && b.byPath();
    return readingRank(a.kind) < readingRank(b.kind);
}

std::vector<std::size_t> combinedRowOrder(const CombinedTable& table)
{
    std::vector<std::size_t> shown;
    for (std::size_t row = 0; row < table.groups.size(); ++row) {
        if (everReceived(table, row)) shown.push_back(row);
    }
    std::stable_sort(shown.begin(), shown.end(), [&table](std::size_t a, std::size_t b) {
        return listedBefore(table.groups[a].ref, table.groups[b].ref);
    });
    return shown;
}

CombinedTableText combinedTableText(const CombinedTable& table)
{
    CombinedTableText text;
    text.header.push_back("الورثة");
    for (std::size_t d = 0; d < table.caseBases.size(); ++d) {
        text.header.push_back("المسألة " + caseOrdinal(static_cast<int>(d) + 1) + " " + figure(table.caseBases[d]) +
                              " × " + figure(table.multipliers[d]));
    }
    // Reduced (الاختصار), the combined base before it, then after it.
    const bool reduced = table.reducedBy > 1;
    text.header.push_back("الجامعة " + figure(table.base * table.reducedBy));
    if (reduced) text.header.push_back("بعد الاختصار " + figure(table.base));

    for (const std::size_t index : combinedRowOrder(table)) {
        const PersonGroup& g = table.groups[index];
        std::vector<std::string>& row = text.rows.emplace_back();
        row.push_back(groupLabel(g));
        for (std::size_t d = 0; d < table.deathCount(); ++d) {
            const std::int64_t parts = table.casePart(index, d);
            row.push_back(parts > 0 ? figure(parts) : "");
        }
        if (reduced) row.push_back(g.alive() ? figure(g.parts * table.reducedBy) : "");
        row.push_back(g.alive() ? figure(g.parts) : deceasedTitle(g.diedAs, g.ref));
        text.diedAs.push_back(g.diedAs);
        text.notes.push_back(g.alive() ? "" : passedOnNote(g.ref));
    }
    if (table.undistributed > 0) {
        std::vector<std::string>& row = text.rows.emplace_back(text.header.size());
        row.front() = "لا يأخذه وارث";
        if (reduced) row[row.size() - 2] = figure(table.undistributed * table.reducedBy);
        row.back() = figure(table.undistributed);
        text.diedAs.push_back(0);
        text.notes.emplace_back();
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
