#include "present/heir_labels.h"

#include <array>

namespace qismaru {

namespace {

using enum HeirKind;

constexpr std::array<HeirLabels, kHeirKindCount> kLabels{{
    {UterineSiblings, "أخ أو أخت لأم", "إخوة لأم", "إخوةلأم"},
    {Grandmothers, " جــدة", "جدة", "جدة"},
    {Sons, "ا بــن", "ابن", "ابن"},
    {SonsSons, " ابن ابن", "ابن ابن", "ابن ابن"},
    {FullBrothers, "أخ شقيق", "أخ شقيق", "أخ شقيق"},
    {ConsanguineBrothers, "أخ لأب", "أخ لأب", "أخ لأب"},
    {FullBrothersSons, " ابن أخ شقيق", "ابن أخ شقيق", "ابن أخ شقيق"},
    {ConsanguineBrothersSons, "ابن أخ لأب", "ابن أخ لأب", "ابن أخ لأب"},
    {FullUncles, "عـم شقيق", "عم شقيق", "عم شقيق"},
    {ConsanguineUncles, "عـم لأب", "عم لأب", "عم لأب"},
    {FullUnclesSons, "ابن عم شقيق", "ابن عم شقيق", "ابن عم شقيق"},
    {ConsanguineUnclesSons, "ابن عم لأب", "ابن عم لأب", "ابن عم لأب"},
    {Wives, "زوجـة", "زوجة", "زوجة"},
    {Daughters, "بــنت", "بنت", "بنت"},
    {SonsDaughters, " بنت ابن", "بنت ابن", "بنت ابن"},
    {FullSisters, " أخت شقيقة", "أخت شقيقة", "أخت شقيقة"},
    {ConsanguineSisters, " أخت لأب", "أخت لأب", "أخت لأب"},
    {Mother, "أم ", "أم", "أم"},
    {Grandfather, "جـــد", "جد", "جد"},
    {Father, "أ ب", "أب", "أب"},
    {Husband, "زوج", "زوج", "زوج"},
}};
static_assert(inKindOrder(kLabels));

}  // namespace

const HeirLabels& labelsOf(HeirKind kind) { return kLabels[indexOf(kind)]; }

}  // namespace qismaru
