#include "engine/count_sums.h"

namespace qismaru {

CountSums sumCounts(const KindCounts& c)
{
    using enum HeirKind;
    CountSums s;
    s.maleDescendants = c.of(Sons) + c.of(SonsSons);
    s.femaleDescendants = c.of(Daughters) + c.of(SonsDaughters);
    s.descendants = s.maleDescendants + s.femaleDescendants;
    s.siblingsTotal = c.of(FullBrothers) + c.of(FullSisters) + c.of(ConsanguineBrothers) + c.of(ConsanguineSisters) +
                      c.of(UterineSiblings);
    return s;
}

}  // namespace qismaru
