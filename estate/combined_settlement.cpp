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
    static_cast<Leftover&>(s) = leftoverOf(net, paid, net * table.undistributed, table.base, inputs.decimals);
    return s;
}

Settlement withoutKinds(const CombinedSettlement& combined)
{
    Settlement single;
    single.inputs = combined.inputs;
    single.claims = combined.claims;
    single.finalBase = combined.base;
    static_cast<Leftover&>(single) = combined;
    return single;
}

}  // namespace qismaru::estate
