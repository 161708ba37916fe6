#include "present/solution_schools.h"

#include "engine/kind_groups.h"

namespace qismaru {

namespace {

using enum HeirKind;

// "المذهب المالكي": the school the case is answered by.
std::string schoolName(const SolutionContext& c)
{
    return "المذهب " + std::string(schoolInfo(c.computation.positions.school).name);
}

// The brothers and sisters of the case who share with the grandfather.
KindSet siblingsOf(const SolutionContext& c) { return kFullAndConsanguineSiblings & KindSet::enteredIn(c.counts); }

constexpr const char* kZaydNote =
    "؛ وهذا قول زيد بن ثابت رضي الله عنه، وعليه المالكية والشافعية والحنابلة وصاحبا أبي حنيفة، وعند أبي حنيفة "
    "يحجب الجدُّ الإخوةَ كما يحجبهم الأب";

}  // namespace

std::string grandfatherSentence(const step::GrandfatherOptions& o, const SolutionContext& c)
{
    const std::string siblings = heirNames(siblingsOf(c), c.counts);
    const std::string division =
        "المقاسمة " + figure(o.division) + " (يُعدّ الجد أخًا والأخت نصف أخ، فالرؤوس " + figure(o.heads) + " وله منها 2)";
    using step::GrandfatherTook;
    if (o.took == GrandfatherTook::WholeRemainder) {
        return "بعد الفروض يبقى " + figure(o.remainder) +
               "، وهذه المالكية: لولا الجد لأخذ الإخوة لأم الثلث ولم يبق للإخوة شيء، فلما حجبهم الجد كان أحق "
               "بالثلث منهم، فيأخذ الجد الباقي كله ولا شيء " +
               withLam(siblings) + "؛ وهو قول مالك في " + schoolName(c) +
               "، وعند زيد والشافعية والحنابلة للجد السدس والباقي للإخوة، وعند الحنفية يحجب الجد الإخوة.";
    }
    std::string text;
    if (o.sixth.isZero()) {
        text = "لا صاحب فرض مع الجد و" + siblings + "، فللجد الأحظ من أمرين: " + division + "، وثلث المال " +
               figure(o.third);
    } else if (o.took == GrandfatherTook::SixthOfWhole && !(o.sixth < o.remainder)) {
        text = "بعد الفروض يبقى " + figure(o.remainder) + "، وهو سدس المال أو أقل، فيُفرض للجد السدس" +
               std::string(o.remainder < o.sixth ? " وتعول المسألة" : "") + "، ولا شيء " + withLam(siblings);
        return text + kZaydNote + ".";
    } else {
        text = "بعد الفروض يبقى " + figure(o.remainder) + "، وللجد الأحظ من ثلاثة: " + division + "، وثلث الباقي " +
               figure(o.third) + "، وسدس المال " + figure(o.sixth);
    }
    switch (o.took) {
    case GrandfatherTook::Division: text += "؛ فالمقاسمة أحظ له"; break;
    case GrandfatherTook::ThirdOfWhole: text += "؛ فثلث المال أحظ له"; break;
    case GrandfatherTook::ThirdOfRemainder: text += "؛ فثلث الباقي أحظ له"; break;
    case GrandfatherTook::SixthOfWhole: text += "؛ فالسدس أحظ له"; break;
    case GrandfatherTook::WholeRemainder: break;
    }
    text += "، ويبقى " + withLam(siblings) + " " + figure(o.siblings);
    return text + kZaydNote + ".";
}

std::string countedSentence(const step::Counted& counted, const SolutionContext& c)
{
    const std::string consanguine = heirNames(counted.consanguine, c.counts);
    std::string text = "وعُدّ " + consanguine + " على الجد مع الأشقاء ليقلّ نصيبه (المعادة)، ثم ";
    if (counted.fullBrother) {
        text += "يأخذ الأشقاء ما كان لهم " + figure(counted.counted) + "، فلا شيء " + withLam(consanguine);
    } else {
        const std::string_view share = c.counts.of(FullSisters) == 1 ? "النصف" : "الثلثين";
        text += "تأخذ " + c.name(FullSisters) + " منه إلى تمام فرضها " + std::string(share);
        text += counted.kept.isZero() ? "، فلا يبقى " + withLam(consanguine) + " شيء"
                                      : "، ويبقى " + withLam(consanguine) + " " + figure(counted.kept);
    }
    return text + "؛ والمعادة قول زيد، عليه المالكية والشافعية والحنابلة، ولا معادة عند الحنفية إذ يحجب الجد الإخوة.";
}

std::string akdariyyaSentence(const step::Akdariyya& a, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    return "هذه الأكدرية: للزوج النصف، وللأم الثلث، وللجد السدس، ويُفرض " + c.forName(a.sister) +
           " النصف فتعول المسألة إلى " + figure(r.adjustedBase) + "، ثم يُضم نصيب الجد إلى نصيبها، " + figure(a.pooled) +
           " من المال قبل العول، ويُقسم بينهما للذكر مثل حظ الأنثيين؛ وهذا قول زيد، وعليه المالكية والشافعية "
           "والحنابلة، وعند الحنفية يحجب الجدُّ الأختَ ويأخذ الباقي وهو السدس.";
}

std::string sharedThirdSentence(const step::SharedThird& shared, const SolutionContext& c)
{
    const KindSet full = KindSet::ifEntered(FullBrothers, c.counts) | KindSet::ifEntered(FullSisters, c.counts);
    return "وهذه المشرَّكة: استغرقت الفروض التركة، فيشترك " + heirNames(full, c.counts) + " مع " +
           c.name(UterineSiblings) + " في ثلثهم، ويُعدّون كلهم إخوة لأم، ذكرهم وأنثاهم سواء، ورؤوسهم " +
           figure(shared.heads) +
           "؛ وهو قضاء عمر رضي الله عنه، وعليه المالكية والشافعية، وعند الحنفية والحنابلة يسقط الأشقاء لأنهم "
           "عصبة لم يبق لهم شيء.";
}

std::string noReturnSentence(const step::NoReturn& n, const SolutionContext& c)
{
    return "مجموع الفروض " + figure(n.fixedTotal) + " أقل من التركة ولا عاصب، ولا رد في أصل " + schoolName(c) +
           ": يبقى " + figure(Fraction::whole(1) - n.fixedTotal) +
           " من التركة لبيت المال، ولكل صاحب فرض فرضه وحده؛ وعند الحنفية والحنابلة ومتأخري المالكية والشافعية يُرد "
           "الباقي على أصحاب الفروض غير الزوجين.";
}

std::string spouseTakesWholeSentence(const step::SpouseTakesWhole& whole, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    return "لا وارث غير " + c.name(whole.spouse) + "، فيُعطى " + c.name(whole.spouse) + " الفرض " + figure(whole.share) +
           " ويُرد الباقي، فتُرد المسألة من " + figure(r.base) + " إلى " + figure(r.adjustedBase) +
           " ويأخذ التركة كلها؛ وهو قول بعض المتأخرين من المذاهب، وعليه العمل في كثير من المحاكم، وعند جمهور "
           "الفقهاء لا يُرد على الزوجين، ويكون الباقي لذوي الأرحام أو لبيت المال.";
}

}  // namespace qismaru
