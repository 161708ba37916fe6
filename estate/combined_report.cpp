#include "estate/combined_report.h"

#include <algorithm>
#include <numeric>

#include "present/combined_table_text.h"

namespace qismaru::estate {

namespace {

std::string fractionText(std::int64_t parts, std::int64_t base)
{
    const std::int64_t g = std::gcd(parts, base);
    return std::to_string(parts / g) + "/" + std::to_string(base / g);
}

}  // namespace

EstateReport buildCombinedReport(const CombinedSettlement& settlement, const CombinedTable& table,
                                 DigitGrouping grouping)
{
    // The claims, the closing lines and the notes are a single settlement's;
    // only the heirs' lines differ, and those are the groups of the table.
    EstateReport report = buildEstateReport(withoutKinds(settlement), KindCounts{}, CaseResult{}, grouping);
    report.shareTitle = "من التركة";
    const auto money = [&settlement, grouping](const Minor& minor) {
        return amountText(minor, settlement.inputs.decimals, grouping);
    };
    for (const std::size_t index : combinedRowOrder(table)) {
        const auto amount = std::find_if(settlement.groups.begin(), settlement.groups.end(),
                                         [index](const GroupAmount& a) { return a.group == index; });
        if (amount == settlement.groups.end()) continue;
        const PersonGroup& group = table.groups[index];
        report.kinds.push_back({group.ref.kind, groupLabel(group), std::to_string(amount->count),
                                fractionText(amount->parts, settlement.base), std::to_string(amount->parts),
                                money(amount->amount), money(amount->perHead), exactText(amount->exact),
                                exactText(amount->perHeadExact)});
    }
    return report;
}

}  // namespace qismaru::estate
