#include "present/relative_names.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qismaru {

namespace {

using enum Link;

// A noun's forms: alone, and at the head of a construct ("ابنا الأخ"), where
// a dual drops its nun and "أب" and "أخ" show their case ("أبو", "أبا", "أبي").
struct Noun {
    std::string_view one;
    std::string_view twoNominative, twoOblique;
    std::string_view twoNominativeOf, twoObliqueOf;           // in construct
    std::string_view many, manyOblique;                       // a sound masculine plural changes with the case
    std::string_view nominativeOf, accusativeOf, genitiveOf;  // the five nouns in construct; else `one`
    bool feminine;
};

constexpr Noun kSon{"ابن", "ابنان", "ابنين", "ابنا", "ابني", "أبناء", "أبناء", "", "", "", false};
constexpr Noun kDaughter{"بنت", "بنتان", "بنتين", "بنتا", "بنتي", "بنات", "بنات", "", "", "", true};
constexpr Noun kFather{"أب", "أبوان", "أبوين", "أبوا", "أبوي", "آباء", "آباء", "أبو", "أبا", "أبي", false};
constexpr Noun kMother{"أم", "أمان", "أمين", "أما", "أمي", "أمهات", "أمهات", "", "", "", true};
constexpr Noun kGrandmother{"جدة", "جدتان", "جدتين", "جدتا", "جدتي", "جدات", "جدات", "", "", "", true};
constexpr Noun kBrother{"أخ", "أخوان", "أخوين", "أخوا", "أخوي", "إخوة", "إخوة", "أخو", "أخا", "أخي", false};
constexpr Noun kSister{"أخت", "أختان", "أختين", "أختا", "أختي", "أخوات", "أخوات", "", "", "", true};
constexpr Noun kUncle{"عم", "عمان", "عمين", "عما", "عمي", "أعمام", "أعمام", "", "", "", false};
constexpr Noun kAunt{"عمة", "عمتان", "عمتين", "عمتا", "عمتي", "عمات", "عمات", "", "", "", true};
constexpr Noun kMaternalUncle{"خال", "خالان", "خالين", "خالا", "خالي", "أخوال", "أخوال", "", "", "", false};
constexpr Noun kMaternalAunt{"خالة", "خالتان", "خالتين", "خالتا", "خالتي", "خالات", "خالات", "", "", "", true};
constexpr Noun kEmancipator{"معتق", "معتقان", "معتقين", "معتقا", "معتقي", "معتقون", "معتقين", "", "", "", false};
constexpr Noun kHusband{"زوج", "زوجان", "زوجين", "زوجا", "زوجي", "أزواج", "أزواج", "", "", "", false};
constexpr Noun kWife{"زوجة", "زوجتان", "زوجتين", "زوجتا", "زوجتي", "زوجات", "زوجات", "", "", "", true};

// One word of a name: a link, or a parent and his brother or sister read as
// one ("f.b" is "عم", "m.si" is "خالة"), with the strength of the brother or
// sister that qualifies it.
struct Term {
    const Noun* noun;
    bool sibling = false;
    Strength strength = Strength::Full;
    // A parent or the emancipator nearest the deceased names the chain
    // definite: "أم الأب", "ابن المعتق".
    bool makesDefinite = false;
};

const Noun* siblingNoun(Link parent, Link sibling)
{
    const bool female = isFemale(sibling);
    if (parent == Father) return female ? &kAunt : &kUncle;
    return female ? &kMaternalAunt : &kMaternalUncle;
}

const Noun* nounOf(Link link)
{
    switch (link) {
    case Son: return &kSon;
    case Daughter: return &kDaughter;
    case Father: return &kFather;
    case Mother: return &kMother;
    case Emancipator: return &kEmancipator;
    case Husband: return &kHusband;
    case Wife: return &kWife;
    case Grandmother: return &kGrandmother;
    default: return isFemale(link) ? &kSister : &kBrother;
    }
}

std::vector<Term> termsOf(const RelativePath& path)
{
    std::vector<Term> terms;
    for (int i = 0; i < path.size(); ++i) {
        const Link link = path[i];
        const bool parentThenSibling = isParent(link) && i + 1 < path.size() && isSibling(path[i + 1]);
        if (parentThenSibling) {
            terms.push_back({siblingNoun(link, path[i + 1]), true, strengthOf(path[i + 1]), false});
            ++i;
        } else if (isSibling(link)) {
            terms.push_back({nounOf(link), true, strengthOf(link), false});
        } else {
            const bool definite = isParent(link) || link == Emancipator || link == Husband || link == Wife;
            terms.push_back({nounOf(link), false, Strength::Full, definite});
        }
    }
    return terms;
}

constexpr std::string_view kArticle = "ال";

std::string definiteIf(bool definite, std::string_view word)
{
    return definite ? std::string(kArticle) + std::string(word) : std::string(word);
}

// The noun heading the name, for `count` persons.
std::string headWord(const Noun& n, const NameForm& form, bool inConstruct, bool definite)
{
    const bool nominative = form.grammaticalCase == Nominative;
    if (form.count == 2) {
        if (inConstruct) return std::string(nominative ? n.twoNominativeOf : n.twoObliqueOf);
        return definiteIf(definite, nominative ? n.twoNominative : n.twoOblique);
    }
    if (form.count > 2) return definiteIf(definite && !inConstruct, nominative ? n.many : n.manyOblique);
    if (inConstruct && !n.nominativeOf.empty()) {
        if (form.grammaticalCase == Nominative) return std::string(n.nominativeOf);
        return std::string(form.grammaticalCase == Accusative ? n.accusativeOf : n.genitiveOf);
    }
    return definiteIf(definite && !inConstruct, n.one);
}

// شقيق، لأب، لأم: after the whole chain, agreeing with its brother or
// sister, who is the head or a singular within the chain.
std::string qualifierOf(const Term& t, const NameForm& form, bool head, bool definite)
{
    if (t.strength == Strength::Consanguine) return "لأب";
    if (t.strength == Strength::Uterine) return "لأم";
    const bool female = t.noun->feminine;
    const int count = head ? form.count : 1;
    const bool nominative = form.grammaticalCase == Nominative;
    std::string_view word = female ? "شقيقة" : "شقيق";
    if (count == 2 && female) word = nominative ? "شقيقتان" : "شقيقتين";
    if (count == 2 && !female) word = nominative ? "شقيقان" : "شقيقين";
    if (count > 2) word = female ? "شقيقات" : "أشقاء";
    return definiteIf(definite, word);
}

std::string generatedName(const RelativePath& path, const NameForm& form)
{
    const std::vector<Term> terms = termsOf(path);
    const std::size_t n = terms.size();
    const bool definite = form.definite || (n > 1 && terms.front().makesDefinite);
    std::string name = headWord(*terms.back().noun, form, n > 1, definite);
    for (std::size_t i = n - 1; i-- > 0;) {
        const Noun& noun = *terms[i].noun;
        const std::string_view word = noun.genitiveOf.empty() ? noun.one : noun.genitiveOf;
        name += ' ' + (i == 0 ? definiteIf(definite, noun.one) : std::string(word));
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (terms[i].sibling) name += ' ' + qualifierOf(terms[i], form, i == n - 1, definite);
    }
    return name;
}

// The 21 kinds keep the names the rest of the program gives them.
bool namedAsKind(const RelativePath& path, bool uterineSexGiven)
{
    return namedKind(path, uterineSexGiven).has_value();
}

constexpr std::array<std::string_view, 8> kForMasculine{"ثلاثة", "أربعة",  "خمسة", "ستة",
                                                        "سبعة",  "ثمانية", "تسعة", "عشرة"};
constexpr std::array<std::string_view, 8> kForFeminine{"ثلاث", "أربع", "خمس", "ست", "سبع", "ثماني", "تسع", "عشر"};

}  // namespace

std::optional<HeirKind> namedKind(const RelativePath& path, bool uterineSexGiven)
{
    if (uterineSexGiven && path == RelativePath{Link::UterineBrother}) return std::nullopt;
    return path.kind();
}

std::string relativeName(const RelativePath& path, const NameForm& form)
{
    if (path.empty()) return "";
    if (namedAsKind(path, form.uterineSexGiven)) {
        const HeirKind kind = *path.kind();
        if (form.definite) return heirName(kind, form.count, form.grammaticalCase);
        if (form.count <= 2) return countedHeirs(kind, form.count);
    }
    return generatedName(path, form);
}

std::string countedRelatives(const RelativePath& path, int count, bool uterineSexGiven)
{
    if (namedAsKind(path, uterineSexGiven)) return countedHeirs(*path.kind(), count);
    const NameForm many{count, Genitive, false, uterineSexGiven};
    if (count <= 2) return relativeName(path, {count, Nominative, false, uterineSexGiven});
    const bool feminine = agreementOf(path, 1, uterineSexGiven).feminine;
    if (count <= 10) {
        const auto& words = feminine ? kForFeminine : kForMasculine;
        return std::string(words[static_cast<std::size_t>(count - 3)]) + " " + relativeName(path, many);
    }
    return relativeName(path, {count, Nominative, false, uterineSexGiven}) + (feminine ? " عددهن " : " عددهم ") +
           std::to_string(count);
}

Agreement agreementOf(const RelativePath& path, int count, bool uterineSexGiven)
{
    if (namedAsKind(path, uterineSexGiven)) return agreementOf(*path.kind(), count);
    if (path.empty()) return {false, std::max(count, 1)};
    return {termsOf(path).back().noun->feminine, std::max(count, 1)};
}

}  // namespace qismaru
