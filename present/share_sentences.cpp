#include "present/share_sentences.h"

#include "engine/kind_groups.h"
#include "model/case_entry.h"

namespace qismaru {

namespace {

using enum HeirKind;
using decision::FixedReason;
using decision::ResidueWay;

bool isSibling(HeirKind kind) { return kFullAndConsanguineSiblings.has(kind); }

bool isAscendant(HeirKind kind) { return kind == Father || kind == Grandfather; }

}  // namespace

// Why each excluder keeps the kind out, as a phrase after "لـ".
std::string exclusionReasons(const decision::Excluded& excluded, const SolutionContext& c)
{
    // The daughters and son's daughters who inherit: an excluded son's
    // daughter makes no sister a residuary and is given as no reason.
    KindSet femaleDescendants;
    for (const HeirKind kind : {Daughters, SonsDaughters}) {
        if (c.counts.has(kind) && !c.wasExcluded(kind)) femaleDescendants.add(kind);
    }
    KindSet present;
    std::string completing;  // the daughters' or the full sisters' two thirds
    std::string sisters;     // sisters taking the remainder beside daughters
    excluded.by.forEach([&](HeirKind by) {
        const bool twoThirds = (excluded.kind == SonsDaughters && by == Daughters) ||
                               (excluded.kind == ConsanguineSisters && by == FullSisters && femaleDescendants.empty());
        // A sister without her brother beside daughters takes the remainder
        // with them (عصبة مع الغير); beside her brother she shares his.
        const bool sisterResiduary =
            !femaleDescendants.empty() && ((by == FullSisters && !c.counts.has(FullBrothers)) ||
                                           (by == ConsanguineSisters && !c.counts.has(ConsanguineBrothers)));
        if (twoThirds) {
            completing = "استكمال " + c.name(by, Genitive) + " الثلثين وعدم المعصب";
        } else if (sisterResiduary) {
            sisters += (sisters.empty() ? "وجود " : " و") + c.name(by, Genitive);
        } else {
            present.add(by);
        }
    });
    std::string reasons;
    const auto add = [&](const std::string& reason) {
        if (reason.empty()) return;
        reasons += (reasons.empty() ? "ل" : "، ول") + reason;
    };
    if (!present.empty()) add("وجود " + c.names(present, Genitive));
    if (!sisters.empty()) add(sisters + " عصبةً مع " + c.names(femaleDescendants, Genitive));
    add(completing);
    return reasons;
}

namespace {

std::string aloneOrSeveral(FixedReason reason) { return reason == FixedReason::Alone ? "للانفراد" : "للتعدد"; }

// The condition of the fixed share, as a phrase after the share.
std::string fixedCondition(const decision::Fixed& f, const SolutionContext& c)
{
    switch (f.reason) {
    case FixedReason::NoDescendants: return "لعدم الفرع الوارث";
    case FixedReason::WithDescendants: return "لوجود الفرع الوارث";
    case FixedReason::NoDescendantsNoSiblings: return "لعدم الفرع الوارث والجمع من الإخوة";
    case FixedReason::WithSiblings: {
        bool someExcluded = false;
        (kFullAndConsanguineSiblings | KindSet::of(UterineSiblings)).forEach([&](HeirKind kind) {
            someExcluded = someExcluded || c.wasExcluded(kind);
        });
        return someExcluded ? "لوجود جمع من الإخوة، وإن كانوا محجوبين" : "لوجود جمع من الإخوة";
    }
    case FixedReason::Alone:
    case FixedReason::Several: break;
    case FixedReason::NoMother: return "لعدم الأم";
    case FixedReason::BesideMaleDescendant: return "لوجود الفرع الوارث المذكر";
    case FixedReason::BesideFemaleDescendant: return "لوجود الفرع الوارث المؤنث دون المذكر";
    case FixedReason::RemainderAtMostSixth: break;
    case FixedReason::CompletingTwoThirds:
        if (f.kind == SonsDaughters) return "مع " + c.name(Daughters, Genitive) + " الواحدة، تكملة للثلثين";
        return "مع الأخت الشقيقة الواحدة، تكملة للثلثين";
    case FixedReason::ThirdOfRemainder: break;
    }
    const std::string heads = aloneOrSeveral(f.reason);
    switch (f.kind) {
    case UterineSiblings:
        return heads + "، ولعدم الفرع الوارث والأب والجد" +
               (f.reason == FixedReason::Several ? "، الذكر والأنثى فيه سواء" : "");
    case Daughters:
        // A lower level in the daughters' place holds their share by the same conditions, and one more.
        if (c.inPlaceOf(Daughters)) {
            return heads + "، ولعدم الفرع الوارث الأعلى من" + std::string(pronoun(c.agreement(Daughters))) + " والمعصب";
        }
        return heads + " وعدم المعصب";
    case SonsDaughters: return heads + "، ولعدم الابن والبنت والمعصب";
    case FullSisters: return heads + "، ولعدم الفرع الوارث والأب والجد والمعصب";
    case ConsanguineSisters: return heads + "، ولعدم الفرع الوارث والأب والجد والأشقاء والمعصب";
    default: return heads;
    }
}

// The sixth of the father or grandfather when the others left little or nothing.
std::string sixthAtMostSentence(const decision::Fixed& f, const SolutionContext& c)
{
    std::string text = c.forName(f.kind) + " السدس فرضًا";
    if (c.counts.has(Daughters) || c.counts.has(SonsDaughters)) text += " لوجود الفرع الوارث المؤنث";
    const Fraction left = f.remainderBeforeSixth;
    if (!(Fraction{} < left)) {
        text += "، ولم يبق بعد الفروض شيء، فيُفرض له السدس وتعول به المسألة";
    } else if (left < Fraction::of(1, 6)) {
        text += "، والباقي بعد الفروض " + figure(left) + " أقل من السدس، فيُفرض له السدس كاملًا وتعول به المسألة";
    } else {
        text += "، والباقي بعد الفروض هو السدس";
    }
    return text;
}

// The share the heir would have had without the heir who reduces it, where
// the reduction is a حجب نقصان: the spouses and the mother beside a
// descendant, the mother beside siblings, the son's daughters beside one
// daughter and the consanguine sisters beside one full sister.
std::string_view unreducedShare(const decision::Fixed& f, const SolutionContext& c)
{
    switch (f.reason) {
    case FixedReason::WithDescendants:
        if (f.kind == Husband) return "النصف";
        return f.kind == Wives ? "الربع" : "الثلث";
    case FixedReason::WithSiblings: return "الثلث";
    case FixedReason::CompletingTwoThirds: return c.counts.of(f.kind) == 1 ? "النصف" : "الثلثين";
    default: return "";
    }
}

std::string basisText(const decision::Fixed& f, const SolutionContext& c)
{
    const std::string_view basis = basisOf(f);
    if (basis == "4:11") {
        const bool sonsDaughters = f.kind == SonsDaughters || (f.kind == Daughters && c.inPlaceOf(Daughters));
        return sonsDaughters ? "النساء 11، وبنات الابن كالبنات عند عدمهن بالإجماع" : "النساء 11";
    }
    if (basis == "4:12") return "النساء 12";
    if (basis == "4:176") return "النساء 176";
    if (basis == "sunnah") {
        return f.kind == Grandmothers ? "السنة: حديث المغيرة بن شعبة ومحمد بن مسلمة، رواه أبو داود والترمذي"
                                      : "السنة: حديث ابن مسعود، رواه البخاري";
    }
    if (basis == "athar") {
        return "قضاء عمر رضي الله عنه، ووافقه جمهور الصحابة، وجعل ابن عباس للأم ثلث المال كله";
    }
    return f.kind == Grandfather ? "الإجماع: الجد كالأب عند عدمه" : "الإجماع، قياسًا على بنت الابن مع البنت";
}

// Grandmothers whose side is not given, beside the father or the
// grandfather: which of them the count stands for decides the answer, and
// the sentence says so. Those given by their side need no note.
std::string grandmotherNote(const SolutionContext& c)
{
    if (c.inPlaceOf(Grandmothers)) return "";
    const std::string note = grandmotherSideText(c.counts, c.computation.positions.school);
    return note.empty() ? "" : "؛ و" + note;
}

std::string remainderWords(Fraction remainder)
{
    return remainder == Fraction::whole(1) ? "التركة كلها" : "الباقي (" + figure(remainder) + ")";
}

// The verse of "the male twice the female": the children's, or the siblings'.
std::string twoToOneVerse(HeirKind kind)
{
    return kind == Sons || kind == Daughters || kind == SonsSons || kind == SonsDaughters ? "النساء 11" : "النساء 176";
}

constexpr const char* kFirstMaleHadith = "لحديث «ألحقوا الفرائض بأهلها، فما بقي فلأولى رجل ذكر»، رواه البخاري ومسلم";

// The emancipator and his agnates take the remainder by cause, after every
// residuary by kinship and before the return.
std::string walaResidue(const decision::Residue& r, const SolutionContext& c)
{
    std::string text = c.forName(r.kind) + " " + remainderWords(r.remainder) + " تعصيبًا، عصبةً بالسبب (الولاء)، ";
    if (c.walaOf(r.kind) == RelativesByKind::Wala::Emancipator) {
        text += "لحديث «إنما الولاء لمن أعتق»، رواه البخاري ومسلم";
    } else {
        text +=
            "فالولاء ينتقل إلى عصبة المعتق المتعصبين بأنفسهم، لحديث «الولاء لُحمة كلُحمة النسب»، رواه ابن حبان والحاكم";
    }
    return text + "؛ والعصبة بالسبب بعد العصبة بالنسب، وقبل الرد.";
}

// A son's son who makes residuaries of the son's daughters above him, who
// have nothing of the two thirds (القريب المبارك), in a case by path.
std::string blessedKinsman(HeirKind male, const SolutionContext& c)
{
    if (!c.relatives || male != SonsSons) return "";
    const std::vector<std::size_t> above = c.relatives->liftedAbove();
    if (above.empty()) return "";
    std::string women;
    Agreement them{true, 0};
    for (const std::size_t i : above) {
        women += (women.empty() ? "" : " و") + c.relatives->entryName(i, Accusative);
        them.persons += c.relatives->entries()[i].count;
    }
    const std::string_view their = pronoun(them);
    return "؛ و" + c.name(male, Nominative) + " هو القريب المبارك: عصّب " + women + " وهو أنزل من" + std::string(their) +
           "، إذ لا شيء ل" + std::string(their) + " في الثلثين";
}

std::string ascendantResidue(const decision::Residue& r, const SolutionContext& c)
{
    const std::string who = c.forName(r.kind);
    switch (r.way) {
    case ResidueWay::AfterSixth:
        if (r.remainder.isZero()) {
            return who + " الباقي بعد السدس تعصيبًا إن بقي شيء، ولم يبق هنا بعد السدس شيء";
        }
        return who + " الباقي بعد السدس (" + figure(r.remainder) + ") تعصيبًا، فله السدس والباقي، " + kFirstMaleHadith;
    case ResidueWay::TwoThirdsOfRemainder:
        return who + " الباقي بعد فرض " + c.name(c.spouse(), Genitive) + " وثلث الأم، وهو ثلثا الباقي (" +
               figure(c.result()[r.kind].exact) + " من التركة)، فيأخذ ضعف ما تأخذ الأم";
    default: break;
    }
    if (r.kind == Grandfather) {
        return who + " " + remainderWords(r.remainder) + " تعصيبًا لعدم الفرع الوارث والأب، والجد كالأب عند عدمه";
    }
    return who + " " + remainderWords(r.remainder) + " تعصيبًا لعدم الفرع الوارث (النساء 11: «وورثه أبواه فلأمه الثلث»)";
}

}  // namespace

std::string excludedSentence(const decision::Excluded& excluded, const SolutionContext& c)
{
    const Agreement excludedHeirs = c.agreement(excluded.kind);
    std::string text = std::string(verbBefore(kIsExcluded, excludedHeirs)) + " " + c.name(excluded.kind, Nominative) +
                       " حجب حرمان " + exclusionReasons(excluded, c) + "، فلا شيء ل" +
                       std::string(pronoun(excludedHeirs));
    if (isSibling(excluded.kind) && excluded.by.has(Grandfather)) {
        text += "؛ وحجب الجد للإخوة قول أبي حنيفة، وعند مالك والشافعي وأحمد وصاحبي أبي حنيفة يقاسمهم الجد";
    }
    if (c.walaOf(excluded.kind) != RelativesByKind::Wala::None) text += "؛ والعصبة بالنسب مقدمون على العصبة بالسبب";
    return text + ".";
}

std::string_view basisOf(const decision::Fixed& f)
{
    if (f.reason == FixedReason::ThirdOfRemainder) return "athar";
    switch (f.kind) {
    case Husband:
    case Wives:
    case UterineSiblings: return "4:12";
    case Mother:
    case Father:
    case Daughters: return "4:11";
    case SonsDaughters: return f.reason == FixedReason::CompletingTwoThirds ? "sunnah" : "4:11";
    case FullSisters: return "4:176";
    case ConsanguineSisters: return f.reason == FixedReason::CompletingTwoThirds ? "ijma" : "4:176";
    case Grandmothers: return "sunnah";
    default: return "ijma";  // the grandfather in the father's place
    }
}

std::string fixedSentence(const decision::Fixed& f, const SolutionContext& c)
{
    std::string text;
    if (f.reason == FixedReason::ThirdOfRemainder) {
        text = "في العمريتين: للأم ثلث الباقي بعد فرض " + c.name(c.spouse(), Genitive) + "، وهو " + figure(f.share) +
               " من التركة";
    } else if (f.reason == FixedReason::RemainderAtMostSixth) {
        text = sixthAtMostSentence(f, c);
    } else {
        text = c.forName(f.kind) + " " + shareWord(f.share) + " فرضًا " + fixedCondition(f, c);
        if (c.counts.of(f.kind) >= 2 && (f.kind == Wives || f.kind == Grandmothers)) {
            text += "، بالسوية بين " + c.name(f.kind, Genitive);
        }
    }
    text += " (" + basisText(f, c) + ")";
    if (const std::string_view whole = unreducedShare(f, c); !whole.empty()) {
        text += "؛ وهذا حجب نقصان من " + std::string(whole) + " إلى " + shareWord(f.share);
    }
    if (f.kind == Grandmothers) text += grandmotherNote(c);
    return text + ".";
}

std::string residueSentence(const decision::Residue& r, const SolutionContext& c)
{
    if (isAscendant(r.kind)) return ascendantResidue(r, c) + ".";
    const std::string who = c.forName(r.kind);
    const std::string taken = remainderWords(r.remainder);
    switch (r.way) {
    case ResidueWay::BySelf:
        if (c.walaOf(r.kind) != RelativesByKind::Wala::None) return walaResidue(r, c);
        if (!r.with.empty()) {
            // The male and his sisters take the remainder together, he by
            // himself and they through him: one sentence tells both.
            return c.forNames(r.with | KindSet::of(r.kind)) + " " + taken + " تعصيبًا، للذكر مثل حظ الأنثيين (" +
                   twoToOneVerse(r.kind) + ")، و" + c.names(r.with, Nominative) + " عصبة بالغير" +
                   blessedKinsman(r.kind, c) + ".";
        }
        return who + " " + taken + " تعصيبًا، عصبةً بالنفس، " + kFirstMaleHadith + ".";
    case ResidueWay::WithDaughters:
        return who + " " + taken + " تعصيبًا مع الغير لوجود " + c.names(r.beside, Genitive) +
               " (حديث ابن مسعود: «وما بقي فللأخت»، رواه البخاري).";
    case ResidueWay::ThroughBrother:  // told in the brother's sentence
    case ResidueWay::AfterSixth:
    case ResidueWay::TwoThirdsOfRemainder: break;
    }
    return who + " " + taken + " تعصيبًا.";
}

std::string nothingLeftSentence(const decision::NothingLeft& nothing, const SolutionContext& c)
{
    std::string text = "لا شيء " + c.forName(nothing.kind) + ": استغرقت الفروض التركة، فلم يبق للعصبة شيء";
    const bool fullSiblings = nothing.kind == FullBrothers || nothing.kind == FullSisters;
    if (fullSiblings && c.hasMessage(CaseMessage::Mushtaraka)) {
        text +=
            "؛ وهذه المشركة: سقوط الأشقاء فيها قول الحنفية والحنابلة، وعند المالكية والشافعية يشاركون الإخوة "
            "لأم في ثلثهم";
    }
    return text + ".";
}

std::string grandmotherSideText(const KindCounts& counts, School school)
{
    switch (grandmotherSideNote(counts, school)) {
    case GrandmotherSideNote::None: return "";
    case GrandmotherSideNote::MothersMotherBesideFather:
        return "الجدة مع الأب هي أم الأم، لأن الأب يحجب أمه عند الحنفية والمالكية والشافعية؛ ولجواب المذهب في "
               "أم الأب اكتب الجدة بجهتها: f.m";
    case GrandmotherSideNote::HanafiTableBesideFather:
        return "لا يحجب الأب الجدات هنا، وهو قول الحنابلة، وعند الحنفية والمالكية والشافعية يحجب الأب أمه دون أم "
               "الأم؛ ولجواب المذهب اكتب كل جدة بجهتها: m.m لأم الأم، وf.m لأم الأب";
    case GrandmotherSideNote::HanbaliBesideFather:
        // One beside him inherits under this school whoever she is: nothing to tell.
        if (counts.of(Grandmothers) < 2) return "";
        return "لا يحجب الأب الجدات هنا، وهو قول الحنابلة، وعند الحنفية والمالكية والشافعية يحجب الأب أمه دون أم "
               "الأم";
    case GrandmotherSideNote::BesideGrandfather:
        return "يحجب الجد أمه عند الحنفية والمالكية والشافعية، ولا يحجب أم الأب ولا أم الأم، فالعدد هنا لمن لا "
               "تدلي به من الجدات؛ ولجواب المذهب اكتب كل جدة بجهتها: m.m، f.m، f.f.m";
    }
    return "";
}

}  // namespace qismaru
