#include "present/solution_schools.h"

#include <vector>

#include "engine/kind_groups.h"

namespace qismaru {

namespace {

using enum HeirKind;
using decision::GrandfatherTook;

constexpr Verb kCounts{"يعُدّ", "تعُدّ", "يعُدّان", "تعُدّان", "يعُدّون", "يعدُدن"};
constexpr Verb kShares{"يشترك", "تشترك", "يشتركان", "تشتركان", "يشتركون", "يشتركن"};
constexpr Verb kInherits{"يرث", "ترث", "يرثان", "ترثان", "يرثون", "يرثن"};
constexpr Verb kIsGiven{"يُعطى", "تُعطى", "يُعطيان", "تُعطيان", "يُعطون", "يُعطين"};

// The brothers and sisters of the case who share with the grandfather.
KindSet siblingsOf(const SolutionContext& c) { return kFullAndConsanguineSiblings & KindSet::enteredIn(c.counts); }

constexpr const char* kZaydNote =
    "؛ وهذا قول زيد بن ثابت رضي الله عنه، وعليه المالكية والشافعية والحنابلة وصاحبا أبي حنيفة، وعند أبي حنيفة "
    "يحجب الجدُّ الإخوةَ كما يحجبهم الأب";

constexpr const char* kMalikNote = "؛ وهو قول مالك، وعليه المالكية";
constexpr const char* kZaydAndHanafiNote =
    "وعند زيد والشافعية والحنابلة للجد السدس والباقي للإخوة، وعند الحنفية يحجب الجد الإخوة.";

// Dividing as a brother, counted in persons: every male two heads and
// every female one, the grandfather two; without sisters, one head each.
std::string divisionWords(const decision::GrandfatherOptions& o, const SolutionContext& c)
{
    const std::string how =
        malesCountTwice(KindSet::enteredIn(c.counts))
            ? "يُعدّ الجد أخًا، الذكر برأسين والأنثى برأس، فالرؤوس " + figure(o.heads) + " وللجد منها رأسان"
            : "يُعدّ الجد أخًا، فالرؤوس " + figure(o.heads / 2) + " وللجد منها رأس";
    return "المقاسمة " + figure(o.division) + " (" + how + ")";
}

struct Option {
    GrandfatherTook took;
    Fraction value;
    std::string_view name;  // as the options are compared: "المقاسمة", "الثلث", ...
};

// The grandfather's options that were open to him, in the order the books
// weigh them.
std::vector<Option> optionsOf(const decision::GrandfatherOptions& o)
{
    std::vector<Option> options{{GrandfatherTook::WithSiblings, o.division, "المقاسمة"}};
    if (o.sixth.isZero()) {
        options.push_back({GrandfatherTook::ThirdOfWhole, o.third, "الثلث"});
    } else {
        options.push_back({GrandfatherTook::ThirdOfRemainder, o.third, "ثلث الباقي"});
        options.push_back({GrandfatherTook::SixthOfWhole, o.sixth, "السدس"});
    }
    return options;
}

// How the part he took is named: by dividing as a brother, or as a share.
std::string_view takenAs(GrandfatherTook took)
{
    switch (took) {
    case GrandfatherTook::WithSiblings: return "بالمقاسمة";
    case GrandfatherTook::ThirdOfWhole: return "بالثلث";
    case GrandfatherTook::ThirdOfRemainder: return "بثلث الباقي";
    case GrandfatherTook::SixthOfWhole: return "بالسدس";
    case GrandfatherTook::WholeRemainder: break;
    }
    return "";
}

// Which option is best for him, or which options are equal: then the part
// is the same whichever he takes, and the books differ only in the name
// they give it, some preferring a share to dividing, a share being the
// stronger title.
std::string verdict(const decision::GrandfatherOptions& o)
{
    const std::vector<Option> options = optionsOf(o);
    Fraction best;
    for (const Option& option : options) {
        if (best < option.value) best = option.value;
    }
    std::string equal;
    std::string_view share;  // the first share equal to dividing
    int equals = 0;
    for (const Option& option : options) {
        if (!(option.value == best)) continue;
        equal += (equals++ == 0 ? "" : " و") + std::string(option.name);
        if (share.empty() && option.took != GrandfatherTook::WithSiblings) share = option.name;
    }
    if (equals == 1) {
        for (const Option& option : options) {
            if (option.took == o.took) return "؛ ف" + std::string(option.name) + " أحظ له";
        }
    }
    std::string text =
        "؛ واستوت " + equal + "، فالنصيب واحد، ويأخذه " + std::string(takenAs(o.took)) + " في هذا البرنامج";
    if (o.took == GrandfatherTook::WithSiblings)
        text += "، ومن الفرضيين من يعبّر عنه ب" + std::string(share) + " لقوة الفرض";
    return text;
}

// Al-Malikiyya, and its likeness with full brothers, as Malik answered them.
std::string malikiyyaSentence(const decision::GrandfatherOptions& o, const SolutionContext& c)
{
    const KindSet siblings = siblingsOf(c);
    const std::string rest = "فيأخذ الجد الباقي كله، ولا شيء " + withLam(c.names(siblings, Genitive));
    const std::string left = "بعد الفروض يبقى " + figure(o.remainder);
    const KindSet full = siblings & KindSet{FullBrothers, FullSisters};
    if (full.empty()) {
        return left + "، وهذه المالكية: لولا الجد لأخذ الإخوة لأم الثلث ولم يبق " +
               withLam(c.names(siblings, Genitive)) + " شيء، فلما حجبهم الجد كان أحق بالثلث منهم، " + rest +
               kMalikNote + "، " + kZaydAndHanafiNote;
    }
    // Without the grandfather this is the Mushtaraka, where the full
    // siblings take their part only as children of the mother. Malik ruled
    // on al-Malikiyya; his followers carried the ruling over to this one.
    return left + "، وهذه شبه المالكية: لولا الجد لكانت المشرَّكة، ولا " +
           std::string(verbBefore(kInherits, firstNamedOf(full, c.counts))) + " فيها " + c.names(full, Nominative) +
           " إلا بقرابة الأم؛ والجد يحجب ولد الأم، فيحجب" + std::string(pronoun(c.agreement(full))) + " مع" +
           std::string(pronoun(c.agreement(UterineSiblings))) + "؛ " + rest + kMalikNote +
           "، قاسها أصحابه على المالكية التي نص عليها، ومنهم من قال فيها بقول زيد؛ " + kZaydAndHanafiNote;
}

}  // namespace

std::string grandfatherSentence(const decision::GrandfatherOptions& o, const SolutionContext& c)
{
    if (o.took == GrandfatherTook::WholeRemainder) return malikiyyaSentence(o, c);
    const std::string siblings = c.names(siblingsOf(c), Genitive);
    std::string text;
    if (o.sixth.isZero()) {
        text = "لا صاحب فرض مع الجد و" + siblings + "، فللجد الأحظ من أمرين: " + divisionWords(o, c) + "، وثلث المال " +
               figure(o.third);
    } else if (o.took == GrandfatherTook::SixthOfWhole && !(o.sixth < o.remainder)) {
        text = "بعد الفروض يبقى " + figure(o.remainder) + "، وهو سدس المال أو أقل، فيُفرض للجد السدس" +
               std::string(o.remainder < o.sixth ? " وتعول المسألة" : "") + "، ولا شيء " + withLam(siblings);
        return text + kZaydNote + ".";
    } else {
        text = "بعد الفروض يبقى " + figure(o.remainder) + "، وللجد الأحظ من ثلاثة: " + divisionWords(o, c) +
               "، وثلث الباقي " + figure(o.third) + "، وسدس المال " + figure(o.sixth);
    }
    text += verdict(o);
    text += "، ويبقى " + withLam(siblings) + " " + figure(o.siblings);
    return text + kZaydNote + ".";
}

std::string countedSentence(const decision::Counted& counted, const SolutionContext& c)
{
    const KindSet full = KindSet::ifEntered(FullBrothers, c.counts) | KindSet::ifEntered(FullSisters, c.counts);
    const Agreement fullSiblings = c.agreement(full);
    const Agreement consanguine = c.agreement(counted.consanguine);
    const std::string them = std::string(pronoun(consanguine));
    // Left nothing, they are excluded, which the step after this one tells.
    bool excludedAfter = true;
    counted.consanguine.forEach([&](HeirKind kind) { excludedAfter = excludedAfter && c.wasExcluded(kind); });
    std::string text = "و" + std::string(verbBefore(kCounts, firstNamedOf(full, c.counts))) + " " +
                       c.names(full, Nominative) + " " + c.names(counted.consanguine, Accusative) +
                       " على الجد ليقلّ نصيبه (المعادة)، ثم " + std::string(verbAfter(kTakes, fullSiblings)) + " من" +
                       them + " ";
    if (counted.fullBrother) {
        text += "ما كان ل" + them + "، " + figure(counted.counted) + " من التركة";
        if (!excludedAfter) text += "، فلا شيء ل" + them;
    } else {
        const std::string_view share = c.counts.of(FullSisters) == 1 ? "النصف" : "الثلثان";
        text += "ما يتمّ به فرض" + std::string(pronoun(fullSiblings)) + " " + std::string(share);
        if (!counted.kept.isZero()) {
            text += "، ويبقى ل" + them + " " + figure(counted.kept);
        } else if (!excludedAfter) {
            text += "، فلا يبقى ل" + them + " شيء";
        }
    }
    return text + "؛ والمعادة قول زيد، عليه المالكية والشافعية والحنابلة، ولا معادة عند الحنفية إذ يحجب الجد الإخوة.";
}

std::string akdariyyaSentence(const decision::Akdariyya& a, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    return "هذه الأكدرية: للزوج النصف، وللأم الثلث، وللجد السدس، ويُفرض " + c.forName(a.sister) +
           " النصف فتعول المسألة إلى " + figure(r.adjustedBase) + "، ثم يُضم نصيب الجد إلى نصيبها، " + figure(a.pooled) +
           " من المال قبل العول، ويُقسم بينهما للذكر مثل حظ الأنثيين؛ وهذا قول زيد، وعليه المالكية والشافعية "
           "والحنابلة، وعند الحنفية يحجب الجدُّ الأختَ ويأخذ الباقي وهو السدس.";
}

std::string sharedThirdSentence(const decision::SharedThird& shared, const SolutionContext& c)
{
    const KindSet full = KindSet::ifEntered(FullBrothers, c.counts) | KindSet::ifEntered(FullSisters, c.counts);
    return "وهذه المشرَّكة: استغرقت الفروض التركة، ف" + std::string(verbBefore(kShares, firstNamedOf(full, c.counts))) +
           " " + c.names(full, Nominative) + " مع " + c.name(UterineSiblings, Genitive) + " في ثلث" +
           std::string(pronoun(c.agreement(UterineSiblings))) + "، ويُعدّون كلهم إخوة لأم، ذكرهم وأنثاهم سواء، ورؤوسهم " +
           figure(shared.heads) +
           "؛ وهو قضاء عمر رضي الله عنه، وعليه المالكية والشافعية، وعند الحنفية والحنابلة يسقط الأشقاء لأنهم "
           "عصبة لم يبق لهم شيء.";
}

std::string noReturnSentence(const decision::NoReturn& n, const SolutionContext& c)
{
    return "مجموع الفروض " + figure(n.fixedTotal) + " أقل من التركة ولا عاصب، ولا رد في أصل المذهب " +
           std::string(schoolInfo(c.computation.positions.school).name) + ": يبقى " +
           figure(Fraction::whole(1) - n.fixedTotal) +
           " من التركة لبيت المال، ولكل صاحب فرض فرضه وحده؛ وعند الحنفية والحنابلة ومتأخري المالكية والشافعية يُرد "
           "الباقي على أصحاب الفروض غير الزوجين.";
}

std::string spouseTakesWholeSentence(const decision::SpouseTakesWhole& whole, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    const Agreement spouse = c.agreement(whole.spouse);
    return "لا وارث غير " + c.name(whole.spouse, Genitive) + "، ف" + std::string(verbBefore(kIsGiven, spouse)) + " " +
           c.name(whole.spouse, Nominative) + " الفرض " + figure(whole.share) + " ويُرد علي" +
           std::string(pronoun(spouse)) + " الباقي، فتُرد المسألة من " + figure(r.base) + " إلى " +
           figure(r.adjustedBase) + " و" + std::string(verbAfter(kTakes, spouse)) +
           " التركة كلها؛ وهو قول بعض المتأخرين من المذاهب، وعليه العمل في كثير من المحاكم، وعند جمهور الفقهاء لا "
           "يُرد على الزوجين، ويكون الباقي لذوي الأرحام أو لبيت المال.";
}

}  // namespace qismaru
