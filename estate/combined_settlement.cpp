#include "estate/combined_settlement.h"

namespace qismaru::estate {

CombinedSettlement settleCombined(const EstateInputs& inputs, const CombinedTable& table)
{
    CombinedSettlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    s.base = table.base;
    const Minor net = s.claims.net;
    // As for one case: exact amounts over the base times the minor units of
    // a major one (below 2^63), each head's amount cut down to a minor unit.
    const auto majorBase = static_cast<std::uint64_t>(table.base) * minorPerMajor(inputs.decimals);
    Minor paid = 0;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        const PersonGroup& g = table.groups[i];
        if (!g.alive() || g.parts == 0) continue;
        GroupAmount& a = s.groups.emplace_back();
        a.group = i;
        a.count = g.count;
        a.parts = g.parts;
        const Minor share = net * g.parts;
        a.exact = ratio(share, majorBase);
        a.perHeadExact = dividedByHeads(a.exact, g.count);
        a.perHead = cutDown(share, Minor{table.base} * g.count);
        a.amount = a.perHead * g.count;
        paid += a.amount;
    }
    const Minor undistributed = net * table.undistributed;
    s.undistributedExact = ratio(undistributed, majorBase);
    s.undistributed = cutDown(undistributed, table.base);
    s.roundingDifference = net - paid - s.undistributed;
    return s;
}

std::string combinedSettlementText(const CombinedSettlement& s, const std::vector<std::string>& labels,
                                   std::string_view separator)
{
    const std::string gap(separator);
    const auto money = [&s](const Minor& m) { return amountText(m, s.inputs.decimals); };
    std::string text = "توزيع صافي التركة " + money(s.claims.net) + " على الجامعة\n\n";
    text +=
        "الورثة" + gap + "العدد" + gap + "السهام من " + std::to_string(s.base) + gap + "المبلغ" + gap + "نصيب الفرد\n";
    for (const GroupAmount& a : s.groups) {
        text += labels[a.group] + gap + std::to_string(a.count) + gap + std::to_string(a.parts) + gap +
                money(a.amount) + gap + money(a.perHead) + "\n";
    }
    text += "\nما لا يوزع على الورثة" + gap + money(s.undistributed) + "\n";
    text += "فرق التقريب" + gap + money(s.roundingDifference) + "\n";
    return text;
}

}  // namespace qismaru::estate
