#include "present/heir_names.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum HeirKind;

struct NameForms {
    HeirKind kind;
    std::string_view one;
    std::string_view two;
    std::string_view many;
    bool feminine;
};

// A uterine sibling may be a brother or a sister: the name says both, and
// counts them as the books do, male and female alike.
constexpr std::array<NameForms, kHeirKindCount> kNames{{
    {UterineSiblings, "الأخ أو الأخت لأم", "الاثنين من الإخوة لأم", "الإخوة لأم", false},
    {Grandmothers, "الجدة", "الجدتين", "الجدات", true},
    {Sons, "الابن", "الابنين", "الأبناء", false},
    {SonsSons, "ابن الابن", "ابني الابن", "أبناء الابن", false},
    {FullBrothers, "الأخ الشقيق", "الأخوين الشقيقين", "الإخوة الأشقاء", false},
    {ConsanguineBrothers, "الأخ لأب", "الأخوين لأب", "الإخوة لأب", false},
    {FullBrothersSons, "ابن الأخ الشقيق", "ابني الأخ الشقيق", "أبناء الأخ الشقيق", false},
    {ConsanguineBrothersSons, "ابن الأخ لأب", "ابني الأخ لأب", "أبناء الأخ لأب", false},
    {FullUncles, "العم الشقيق", "العمين الشقيقين", "الأعمام الأشقاء", false},
    {ConsanguineUncles, "العم لأب", "العمين لأب", "الأعمام لأب", false},
    {FullUnclesSons, "ابن العم الشقيق", "ابني العم الشقيق", "أبناء العم الشقيق", false},
    {ConsanguineUnclesSons, "ابن العم لأب", "ابني العم لأب", "أبناء العم لأب", false},
    {Wives, "الزوجة", "الزوجتين", "الزوجات", true},
    {Daughters, "البنت", "البنتين", "البنات", true},
    {SonsDaughters, "بنت الابن", "بنتي الابن", "بنات الابن", true},
    {FullSisters, "الأخت الشقيقة", "الأختين الشقيقتين", "الأخوات الشقيقات", true},
    {ConsanguineSisters, "الأخت لأب", "الأختين لأب", "الأخوات لأب", true},
    {Mother, "الأم", "الأم", "الأم", true},
    {Grandfather, "الجد", "الجد", "الجد", false},
    {Father, "الأب", "الأب", "الأب", false},
    {Husband, "الزوج", "الزوج", "الزوج", false},
}};
static_assert(inKindOrder(kNames));

constexpr std::array<HeirKind, kHeirKindCount> kReadingOrder{
    Husband,
    Wives,
    Sons,
    Daughters,
    SonsSons,
    SonsDaughters,
    Father,
    Mother,
    Grandfather,
    Grandmothers,
    FullBrothers,
    FullSisters,
    ConsanguineBrothers,
    ConsanguineSisters,
    UterineSiblings,
    FullBrothersSons,
    ConsanguineBrothersSons,
    FullUncles,
    ConsanguineUncles,
    FullUnclesSons,
    ConsanguineUnclesSons,
};

constexpr std::string_view kDefiniteArticle = "ال";

}  // namespace

std::string heirName(HeirKind kind, int count)
{
    const NameForms& forms = kNames[indexOf(kind)];
    return std::string(count <= 1 ? forms.one : count == 2 ? forms.two : forms.many);
}

std::string withLam(std::string_view name)
{
    // The lam takes the place of the article's alif: ل + الأم is للأم.
    if (name.starts_with(kDefiniteArticle)) return "لل" + std::string(name.substr(kDefiniteArticle.size()));
    return "ل" + std::string(name);
}

std::string heirNames(KindSet kinds, const KindCounts& counts)
{
    std::string names;
    for (const HeirKind kind : kReadingOrder) {
        if (!kinds.has(kind)) continue;
        if (!names.empty()) names += " و";
        names += heirName(kind, counts.of(kind));
    }
    return names;
}

const std::array<HeirKind, kHeirKindCount>& readingOrder() { return kReadingOrder; }

int readingRank(HeirKind kind)
{
    return static_cast<int>(std::find(kReadingOrder.begin(), kReadingOrder.end(), kind) - kReadingOrder.begin());
}

std::string_view eachOne(HeirKind kind) { return kNames[indexOf(kind)].feminine ? "كل واحدة" : "كل واحد"; }

}  // namespace qismaru
