#include "estate/combined_settlement.h"

namespace qismaru::estate {

CombinedSettlement settleCombined(const EstateInputs& inputs, const CombinedTable& table)
{
    CombinedSettlement s;
    s.inputs = inputs;
    s.claims = settleClaims(inputs);
    s.base = table.base;
    const Minor net = s.claims.net;
    // As for one case: each group's amounts by its parts, what no heir
    // takes cut down likewise.
    Minor paid = 0;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        const PersonGroup& g = table.groups[i];
        if (!g.alive() || g.parts == 0) continue;
        GroupAmount& a = s.groups.emplace_back();
        static_cast<HeadsAmount&>(a) = headsAmount(net, g.parts, table.base, g.count, inputs.decimals);
        a.group = i;
        paid += a.amount;
    }
    const Minor undistributed = net * table.undistributed;
    s.undistributedExact =
        ratio(undistributed, static_cast<std::uint64_t>(table.base) * minorPerMajor(inputs.decimals));
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
