#include "engine/parts.h"

#include "engine/whole_numbers.h"

namespace qismaru {

std::int64_t partsOf(HeirKind kind, const CaseResult& r)
{
    const ShareResult& share = r[kind];
    const double base = static_cast<double>(r.Base);
    if (share.isFraction()) {
        const bool spouse = kind == HeirKind::Husband || kind == HeirKind::Wives;
        const double scale = spouse ? r.Correction : r.ReturnFactor * r.Correction;
        return whole((base / share.denominator) * (share.numerator * scale));
    }
    if (share.isResiduary()) return whole(base * (share.value * r.Correction));
    return 0;
}

std::int64_t increasedOrReducedBaseOf(const CaseResult& r) { return whole(static_cast<double>(r.Base) / r.BaseDivisor); }

std::int64_t finalBaseOf(const CaseResult& r) { return whole(r.Correction * (static_cast<double>(r.Base) / r.BaseDivisor)); }

}  // namespace qismaru
