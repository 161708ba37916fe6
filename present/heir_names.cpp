#include "present/heir_names.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum HeirKind;

// Every form a sentence may need of a kind's name. The plurals, broken or
// sound feminine, are written alike in the three cases; the duals are not:
// "الأختان" as a subject, "الأختين" otherwise, and a dual in construct drops
// its nun ("ابنا الابن", "ابني الابن").
struct NameForms {
    HeirKind kind;
    std::string_view one;
    std::string_view twoNominative;
    std::string_view twoOblique;  // accusative and genitive
    std::string_view many;
    std::string_view aOne;  // indefinite, for the list of the heirs
    std::string_view aTwo;
    std::string_view aMany;  // after a number from three to ten, in the genitive
    bool feminine;
};

// A uterine sibling may be a brother or a sister; the books name them as a
// mixed group is named, in the masculine, and count them male and female
// alike: "أخ لأم", "الأخوان لأم", "الإخوة لأم", in the list of the heirs and
// in the sentences alike.
constexpr std::array<NameForms, kHeirKindCount> kNames{{
    {UterineSiblings, "الأخ لأم", "الأخوان لأم", "الأخوين لأم", "الإخوة لأم", "أخ لأم", "أخوان لأم", "إخوة لأم", false},
    {Grandmothers, "الجدة", "الجدتان", "الجدتين", "الجدات", "جدة", "جدتان", "جدات", true},
    {Sons, "الابن", "الابنان", "الابنين", "الأبناء", "ابن", "ابنان", "أبناء", false},
    {SonsSons, "ابن الابن", "ابنا الابن", "ابني الابن", "أبناء الابن", "ابن ابن", "ابنا ابن", "أبناء ابن", false},
    {FullBrothers, "الأخ الشقيق", "الأخوان الشقيقان", "الأخوين الشقيقين", "الإخوة الأشقاء", "أخ شقيق", "أخوان شقيقان",
     "إخوة أشقاء", false},
    {ConsanguineBrothers, "الأخ لأب", "الأخوان لأب", "الأخوين لأب", "الإخوة لأب", "أخ لأب", "أخوان لأب", "إخوة لأب",
     false},
    {FullBrothersSons, "ابن الأخ الشقيق", "ابنا الأخ الشقيق", "ابني الأخ الشقيق", "أبناء الأخ الشقيق", "ابن أخ شقيق",
     "ابنا أخ شقيق", "أبناء أخ شقيق", false},
    {ConsanguineBrothersSons, "ابن الأخ لأب", "ابنا الأخ لأب", "ابني الأخ لأب", "أبناء الأخ لأب", "ابن أخ لأب",
     "ابنا أخ لأب", "أبناء أخ لأب", false},
    {FullUncles, "العم الشقيق", "العمان الشقيقان", "العمين الشقيقين", "الأعمام الأشقاء", "عم شقيق", "عمان شقيقان",
     "أعمام أشقاء", false},
    {ConsanguineUncles, "العم لأب", "العمان لأب", "العمين لأب", "الأعمام لأب", "عم لأب", "عمان لأب", "أعمام لأب",
     false},
    {FullUnclesSons, "ابن العم الشقيق", "ابنا العم الشقيق", "ابني العم الشقيق", "أبناء العم الشقيق", "ابن عم شقيق",
     "ابنا عم شقيق", "أبناء عم شقيق", false},
    {ConsanguineUnclesSons, "ابن العم لأب", "ابنا العم لأب", "ابني العم لأب", "أبناء العم لأب", "ابن عم لأب",
     "ابنا عم لأب", "أبناء عم لأب", false},
    {Wives, "الزوجة", "الزوجتان", "الزوجتين", "الزوجات", "زوجة", "زوجتان", "زوجات", true},
    {Daughters, "البنت", "البنتان", "البنتين", "البنات", "بنت", "بنتان", "بنات", true},
    {SonsDaughters, "بنت الابن", "بنتا الابن", "بنتي الابن", "بنات الابن", "بنت ابن", "بنتا ابن", "بنات ابن", true},
    {FullSisters, "الأخت الشقيقة", "الأختان الشقيقتان", "الأختين الشقيقتين", "الأخوات الشقيقات", "أخت شقيقة",
     "أختان شقيقتان", "أخوات شقيقات", true},
    {ConsanguineSisters, "الأخت لأب", "الأختان لأب", "الأختين لأب", "الأخوات لأب", "أخت لأب", "أختان لأب", "أخوات لأب",
     true},
    {Mother, "الأم", "الأم", "الأم", "الأم", "أم", "أم", "أم", true},
    {Grandfather, "الجد", "الجد", "الجد", "الجد", "جد", "جد", "جد", false},
    {Father, "الأب", "الأب", "الأب", "الأب", "أب", "أب", "أب", false},
    {Husband, "الزوج", "الزوج", "الزوج", "الزوج", "زوج", "زوج", "زوج", false},
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

// From three to ten the number takes the gender opposite to the counted
// noun's singular: "ثلاثة إخوة" but "ثلاث أخوات".
constexpr std::array<std::string_view, 8> kForMasculine{"ثلاثة", "أربعة",  "خمسة", "ستة",
                                                        "سبعة",  "ثمانية", "تسعة", "عشرة"};
constexpr std::array<std::string_view, 8> kForFeminine{"ثلاث", "أربع", "خمس", "ست", "سبع", "ثماني", "تسع", "عشر"};
constexpr int kLargestNumberWord = 10;

const NameForms& formsOf(HeirKind kind) { return kNames[indexOf(kind)]; }

HeirKind firstInReadingOrder(KindSet kinds)
{
    for (const HeirKind kind : kReadingOrder) {
        if (kinds.has(kind)) return kind;
    }
    return Husband;
}

}  // namespace

std::string heirName(HeirKind kind, int count, GrammaticalCase grammaticalCase)
{
    const NameForms& forms = formsOf(kind);
    if (count <= 1) return std::string(forms.one);
    if (count == 2) return std::string(grammaticalCase == Nominative ? forms.twoNominative : forms.twoOblique);
    return std::string(forms.many);
}

std::string withLam(std::string_view name)
{
    // The lam takes the place of the article's alif: ل + الأم is للأم.
    if (name.starts_with(kDefiniteArticle)) return "لل" + std::string(name.substr(kDefiniteArticle.size()));
    return "ل" + std::string(name);
}

std::string heirNames(KindSet kinds, const KindCounts& counts, GrammaticalCase grammaticalCase)
{
    std::string names;
    for (const HeirKind kind : kReadingOrder) {
        if (!kinds.has(kind)) continue;
        if (!names.empty()) names += " و";
        names += heirName(kind, counts.of(kind), grammaticalCase);
    }
    return names;
}

std::string countedHeirs(HeirKind kind, int count)
{
    const NameForms& forms = formsOf(kind);
    if (count <= 1) return std::string(forms.aOne);
    if (count == 2) return std::string(forms.aTwo);
    if (count <= kLargestNumberWord) {
        const auto& words = forms.feminine ? kForFeminine : kForMasculine;
        return std::string(words[count - 3]) + " " + std::string(forms.aMany);
    }
    return std::string(forms.aMany) + (forms.feminine ? " عددهن " : " عددهم ") + std::to_string(count);
}

std::string oneMemberName(HeirKind kind, int count)
{
    if (kind == UterineSiblings) {
        if (count <= 1) return "ولد الأم";
        return count == 2 ? "أحد ولدي الأم" : "أحد أولاد الأم";
    }
    // One of several is "أحد الأبناء", the name after it genitive.
    if (count <= 1) return heirName(kind, count, Nominative);
    return (formsOf(kind).feminine ? "إحدى " : "أحد ") + heirName(kind, count, Genitive);
}

Agreement agreementOf(HeirKind kind, int count) { return {formsOf(kind).feminine, std::max(count, 1)}; }

Agreement agreementOf(KindSet kinds, const KindCounts& counts)
{
    Agreement all{true, 0};
    kinds.forEach([&](HeirKind kind) {
        all.feminine = all.feminine && formsOf(kind).feminine;
        all.persons += std::max(counts.of(kind), 1);
    });
    all.persons = std::max(all.persons, 1);
    return all;
}

Agreement firstNamedOf(KindSet kinds, const KindCounts& counts)
{
    const HeirKind first = firstInReadingOrder(kinds);
    return agreementOf(first, counts.of(first));
}

std::string_view pronoun(Agreement a)
{
    if (a.persons == 1) return a.feminine ? "ها" : "ه";
    if (a.persons == 2) return "هما";
    return a.feminine ? "هن" : "هم";
}

std::string_view verbBefore(const Verb& verb, Agreement subject) { return subject.feminine ? verb.she : verb.he; }

std::string_view verbAfter(const Verb& verb, Agreement subject)
{
    if (subject.persons == 1) return verbBefore(verb, subject);
    if (subject.persons == 2) return subject.feminine ? verb.theyTwoFeminine : verb.theyTwo;
    return subject.feminine ? verb.theyFeminine : verb.they;
}

const std::array<HeirKind, kHeirKindCount>& readingOrder() { return kReadingOrder; }

int readingRank(HeirKind kind)
{
    return static_cast<int>(std::find(kReadingOrder.begin(), kReadingOrder.end(), kind) - kReadingOrder.begin());
}

std::string_view eachOne(HeirKind kind) { return formsOf(kind).feminine ? "كل واحدة" : "كل واحد"; }

}  // namespace qismaru
