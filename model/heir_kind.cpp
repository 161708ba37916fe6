#include "model/heir_kind.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum HeirKind;
using enum EntryKind;

constexpr std::array<HeirKindInfo, kHeirKindCount> kHeirKinds{{
    {UterineSiblings, "bm", "إخوةلأم", "أخ أو أخت لأم", "إخوة لأم", "إخوةلأم", 10, Counted},
    {Grandmothers, "gm", "جدات", " جــدة", "جدة", "جدة", 12, Counted},
    {Sons, "s", "أبناء", "ا بــن", "ابن", "ابن", 12, Counted},
    {SonsSons, "gs", "أبناءالابن", " ابن ابن", "ابن ابن", "ابن ابن", 10, Counted},
    {FullBrothers, "b", "أخوةأشقاء", "أخ شقيق", "أخ شقيق", "أخ شقيق", 9, Counted},
    {ConsanguineBrothers, "bf", "إخوةلأب", "أخ لأب", "أخ لأب", "أخ لأب", 10, Counted},
    {FullBrothersSons, "sb", "أبناءأخِشقيق", " ابن أخ شقيق", "ابن أخ شقيق", "ابن أخ شقيق", 7, Counted},
    {ConsanguineBrothersSons, "sbf", "أبناءأخلأب", "ابن أخ لأب", "ابن أخ لأب", "ابن أخ لأب", 8, Counted},
    {FullUncles, "u", "أعمامأشقاء", "عـم شقيق", "عم شقيق", "عم شقيق", 9, Counted},
    {ConsanguineUncles, "uf", "أعماملأب", "عـم لأب", "عم لأب", "عم لأب", 11, Counted},
    {FullUnclesSons, "su", "أبناءعمشقيق", "ابن عم شقيق", "ابن عم شقيق", "ابن عم شقيق", 7, Counted},
    {ConsanguineUnclesSons, "suf", "أبناءعملأب", "ابن عم لأب", "ابن عم لأب", "ابن عم لأب", 8, Counted},
    {Wives, "w", "زوجة", "زوجـة", "زوجة", "زوجة", 11, Counted},
    {Daughters, "d", "بنات", "بــنت", "بنت", "بنت", 12, Counted},
    {SonsDaughters, "gd", "بناتابن", " بنت ابن", "بنت ابن", "بنت ابن", 10, Counted},
    {FullSisters, "si", "أختشقيقة", " أخت شقيقة", "أخت شقيقة", "أخت شقيقة", 8, Counted},
    {ConsanguineSisters, "sif", "أختلأب", " أخت لأب", "أخت لأب", "أخت لأب", 9, Counted},
    {Mother, "m", "أم", "أم ", "أم", "أم", 13, Single},
    {Grandfather, "gf", "جد", "جـــد", "جد", "جد", 13, Single},
    {Father, "f", "أب", "أ ب", "أب", "أب", 13, Single},
    {Husband, "h", "زوج", "زوج", "زوج", "زوج", 12, Single},
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
