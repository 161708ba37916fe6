#include <algorithm>

#include "engine/exclusion.h"
#include "present/heir_labels.h"
#include "present/number_text.h"
#include "present/relative_names.h"
#include "present/result_table.h"
#include "present/solution_context.h"

namespace qismaru {

namespace {

// Whether relatives of other rows stand in the entry's kind beside it.
bool sharesItsKind(std::span<const Standing> standings, std::size_t i)
{
    const Standing& s = standings[i];
    return std::any_of(standings.begin(), standings.end(), [&](const Standing& other) {
        return &other != &s && other.way == StandingWay::Inherits && other.capacity == s.capacity;
    });
}

// A fixed share or the remainder held with relatives of other rows: each row
// holds part of it, and says so as the table's own labels do ("شريك في
// الباقي"), agreeing with the row.
std::string jointShareText(const ShareResult& share, bool feminine)
{
    const std::string partner = feminine ? "شريكة في " : "شريك في ";
    if (share.isFraction()) return partner + shareWord(Fraction::of(share.numerator, share.denominator));
    if (share.label == ShareLabel::Remainder) return partner + "الباقي";
    return std::string(labelText(share.label));
}

}  // namespace

// The name the table gives the 21 kinds where the path is one of them, else
// the name built from the path; the label that tells a line apart.
std::string relativeRowName(const RelativeEntry& e, bool sexGiven, TableMedium medium)
{
    std::string name;
    if (const std::optional<HeirKind> kind = namedKind(e.path, sexGiven)) {
        const HeirLabels& labels = labelsOf(*kind);
        name = medium == TableMedium::Paper ? labels.printedName : labels.displayName;
    } else {
        name = relativeName(e.path, {1, Nominative, false, sexGiven});
    }
    if (!e.label.empty()) name += " @" + e.label;
    return name;
}

std::string relativeShareText(std::span<const RelativeEntry> entries, const PathComputation& p, std::size_t i)
{
    const Standing& s = p.resolution.standings[i];
    const std::int64_t parts = shareOf(p, entries, i).parts;
    const CaseResult& r = p.computation.result;
    switch (s.way) {
    case StandingWay::Excluded: return "محجوب";
    case StandingWay::NeverInherits: return "لا شيء";
    case StandingWay::CompletesTwoThirds: return shareCellText(r.completingSixth.share);
    // Distant kindred inherit by the kinship of the womb, neither by a fixed
    // share nor as residuaries.
    case StandingWay::Kindred: return "بالرحم";
    case StandingWay::Inherits: break;
    }
    const KindCounts& counts = p.resolution.capacities.counts;
    if (parts == 0) return isExcluded(s.capacity, counts, p.computation.positions.school) ? "محجوب" : "لا شيء";
    const ShareResult& share = r[s.capacity];
    if (!sharesItsKind(p.resolution.standings, i)) return shareCellText(share);
    const bool feminine = agreementOf(entries[i].path, 1, uterineSexGiven(entries)).feminine;
    return jointShareText(share, feminine);
}

ResultTable buildResultTable(std::span<const RelativeEntry> entries, const PathComputation& p, TableMedium medium)
{
    // The header and the totals are the division's, whoever stands in its kinds.
    ResultTable table = buildResultTable(p.resolution.capacities.counts, p.computation.result, medium);
    table.rows.clear();
    const std::int64_t finalBase = p.correctedBase();
    // Beside distant kindred the division above is the spouse's alone: the
    // table stands on the base every relative's part is counted in.
    if (p.kindred && finalBase != p.computation.result.finalBase) {
        table.base = numberText(finalBase);
        table.totals.push_back(numberText(finalBase) + "=التصحيح");
    }
    const bool sexGiven = uterineSexGiven(entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RelativeEntry& e = entries[i];
        const RelativeShare share = shareOf(p, entries, i);
        TableRow& row = table.rows.emplace_back(TableRow{std::nullopt, i, static_cast<int>(i), {}});
        // The count but for one who is one person, as for the 21 kinds.
        std::string name = relativeRowName(e, sexGiven, medium);
        if (!isOnePerson(p.resolution.standings[i].kinship)) name += numberText(std::int64_t{e.count});
        row.cells.push_back({TableColumn::Heir, std::move(name)});
        row.cells.push_back({TableColumn::Share, relativeShareText(entries, p, i)});
        row.cells.push_back({TableColumn::Parts, numberText(share.parts)});
        if (share.parts > 0) {
            row.cells.push_back({TableColumn::Percentage, percentageText(100.0 * static_cast<double>(share.parts) /
                                                                         static_cast<double>(finalBase))});
            if (e.count > 1) row.cells.push_back({TableColumn::PerHead, perHeadCellText(share.parts, e.count)});
        }
    }
    return table;
}

}  // namespace qismaru
