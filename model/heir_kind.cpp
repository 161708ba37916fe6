#include "model/heir_kind.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum HeirKind;
using enum EntryKind;

constexpr std::array<HeirKindInfo, kHeirKindCount> kHeirKinds{{
    {UterineSiblings, "bm", Counted},
    {Grandmothers, "gm", Counted},
    {Sons, "s", Counted},
    {SonsSons, "gs", Counted},
    {FullBrothers, "b", Counted},
    {ConsanguineBrothers, "bf", Counted},
    {FullBrothersSons, "sb", Counted},
    {ConsanguineBrothersSons, "sbf", Counted},
    {FullUncles, "u", Counted},
    {ConsanguineUncles, "uf", Counted},
    {FullUnclesSons, "su", Counted},
    {ConsanguineUnclesSons, "suf", Counted},
    {Wives, "w", Counted},
    {Daughters, "d", Counted},
    {SonsDaughters, "gd", Counted},
    {FullSisters, "si", Counted},
    {ConsanguineSisters, "sif", Counted},
    {Mother, "m", Single},
    {Grandfather, "gf", Single},
    {Father, "f", Single},
    {Husband, "h", Single},
}};

static_assert(inKindOrder(kHeirKinds));

}  // namespace

const std::array<HeirKindInfo, kHeirKindCount>& heirKinds() { return kHeirKinds; }

const HeirKindInfo& infoOf(HeirKind kind) { return kHeirKinds[indexOf(kind)]; }

std::optional<HeirKind> kindFromCode(std::string_view code)
{
    const auto it = std::find_if(kHeirKinds.begin(), kHeirKinds.end(),
                                 [code](const HeirKindInfo& info) { return info.code == code; });
    if (it == kHeirKinds.end()) return std::nullopt;
    return it->kind;
}

bool KindCounts::empty() const
{
    return std::all_of(count.begin(), count.end(), [](std::int16_t n) { return n == 0; });
}

}  // namespace qismaru
