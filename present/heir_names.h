#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/heir_kind.h"
#include "model/kind_set.h"

namespace qismaru {

// The grammatical case a name stands in (الرفع، النصب، الجر): the subject of
// a verb is nominative ("تأخذ الأختان"), its object accusative, and a name
// after a preposition or a possessive genitive ("للأختين", "سهام الأختين").
// Only the duals are written differently in the three.
enum class GrammaticalCase : std::uint8_t { Nominative, Accusative, Genitive };
using enum GrammaticalCase;

// What a verb or a pronoun agrees with: the gender and the number of the
// persons it stands for. Heirs of mixed or unknown gender (the uterine
// brothers and sisters, a brother beside a sister) take the masculine, as
// Arabic does with a mixed group.
struct Agreement {
    bool feminine = false;
    int persons = 1;  // 1 singular, 2 dual, more plural

    bool operator==(const Agreement&) const = default;
};

// The heirs of a kind as a sentence names them, definite, by their number
// (one, two, or many) and in the case the sentence needs: "الأختان
// الشقيقتان" as a subject, "الأختين الشقيقتين" after "لـ" or "سهام".
std::string heirName(HeirKind kind, int count, GrammaticalCase grammaticalCase);

// "لـ" before a name: "للبنتين", "لابني الابن".
std::string withLam(std::string_view name);

// The names of several kinds joined by "و", in the order a teacher reads a
// case: spouses, descendants, ascendants, siblings, then the remoter agnates.
std::string heirNames(KindSet kinds, const KindCounts& counts, GrammaticalCase grammaticalCase);

// The heirs of a kind as the list of a case names them, indefinite and
// nominative: "زوجة", "أختان شقيقتان", "ثلاث بنات", "ثمانية إخوة أشقاء".
// From eleven on, where the counted noun would turn singular and accusative
// ("اثنا عشر أخًا شقيقًا") and the number words grow long, the count is
// written in digits after the plural: "إخوة أشقاء عددهم 12".
std::string countedHeirs(HeirKind kind, int count);

// One member of a group of `count` heirs of a kind, named alone as the
// subject of what befell him or her (a death before the division):
// "البنت", "إحدى البنات", "أحد الابنين". A uterine sibling's sex is not
// entered, so one of them is "ولد الأم" (one of several "أحد أولاد الأم"),
// the books' word for a brother or a sister through the mother; it is
// masculine in grammar, as agreementOf(kind, 1) is for every uterine sibling.
std::string oneMemberName(HeirKind kind, int count);

// Whom a verb or pronoun about these heirs agrees with: one kind, or several
// together (feminine only when every one of them is).
Agreement agreementOf(HeirKind kind, int count);
Agreement agreementOf(KindSet kinds, const KindCounts& counts);
// A verb that comes before a subject of several kinds takes the gender of
// the first one named: "يشترك الأخ الشقيق والأخت الشقيقة".
Agreement firstNamedOf(KindSet kinds, const KindCounts& counts);

// The attached pronoun: "ه", "ها", "هما", "هم", "هن".
std::string_view pronoun(Agreement agreement);

// A verb in its present forms: he, she, they two (masculine, feminine), they
// (masculine, feminine): "يأخذ", "تأخذ", "يأخذان", "تأخذان", "يأخذون", "يأخذن".
struct Verb {
    std::string_view he, she, theyTwo, theyTwoFeminine, they, theyFeminine;
};
// Before its subject a verb stays singular and takes the subject's gender
// ("تأخذ الأختان"); after it, or with the subject only in the verb, it
// agrees in number too ("وتأخذان").
std::string_view verbBefore(const Verb& verb, Agreement subject);
std::string_view verbAfter(const Verb& verb, Agreement subject);

inline constexpr Verb kTakes{"يأخذ", "تأخذ", "يأخذان", "تأخذان", "يأخذون", "يأخذن"};
inline constexpr Verb kLeaves{"يترك", "تترك", "يتركان", "تتركان", "يتركون", "يتركن"};

// Every kind in the reading order.
const std::array<HeirKind, kHeirKindCount>& readingOrder();
int readingRank(HeirKind kind);

// "كل واحد" or "كل واحدة", by the kind's gender.
std::string_view eachOne(HeirKind kind);

}  // namespace qismaru
