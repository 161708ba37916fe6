#include "present/standing_sentences.h"

#include "engine/parts.h"
#include "present/relative_names.h"
#include "present/share_sentences.h"

namespace qismaru {

namespace {

using enum HeirKind;

// "هو", "هي", "هما", "هم", "هن": who the excluder is, standing alone.
std::string_view standalonePronoun(Agreement a)
{
    if (a.persons == 1) return a.feminine ? "هي" : "هو";
    if (a.persons == 2) return "هما";
    return a.feminine ? "هن" : "هم";
}

// "يُحجب ابن ابن ابن الابن حجب حرمان ": the opening of every exclusion.
std::string excludedOpening(std::size_t i, const RelativesByKind& r)
{
    return std::string(verbBefore(kIsExcluded, r.entryAgreement(i))) + " " + r.entryName(i, Nominative) + " حجب حرمان ";
}

std::string nothingFor(std::size_t i, const RelativesByKind& r)
{
    return "، فلا شيء ل" + std::string(pronoun(r.entryAgreement(i)));
}

bool maternalSide(const Kinship& grandmother) { return grandmother.up == 0; }

// Kept out by a nearer grandmother: of her own side, or across the sides
// as the schools hold; under the Hanafi school by one excluded herself.
std::string byNearerGrandmother(std::size_t i, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const std::size_t h = static_cast<std::size_t>(r.standing(i).byEntry);
    const Kinship& farther = r.standing(i).kinship;
    const Kinship& nearer = r.standing(h).kinship;
    std::string text = excludedOpening(i, r) + "لوجود " + r.entryName(h, Genitive) + "، وهي أقرب منها";
    if (r.standing(h).way == StandingWay::Excluded) {
        // Only the Hanafi school blocks by an excluded grandmother, and only
        // across the sides: a nearer one of the father's side, kept out by him.
        return text + nothingFor(i, r) + "؛ و" + r.entryName(h, Nominative) +
               " محجوبة، والقربى تحجب البعدى عند الحنفية وارثةً كانت أو محجوبة، وعند المالكية والشافعية ترث " +
               r.entryName(i, Nominative) + "، وعند الحنابلة ترث " + r.entryName(h, Nominative) + " مع ابنها وتحجبها.";
    }
    text += nothingFor(i, r);
    if (maternalSide(nearer) == maternalSide(farther)) return text + "؛ والقربى من كل جهة تحجب البعدى من جهتها.";
    if (maternalSide(nearer)) return text + "؛ والقربى من جهة الأم تحجب البعدى من جهة الأب باتفاق المذاهب.";
    return text + "؛ والقربى من جهة الأب تحجب البعدى من جهة الأم عند الحنفية والحنابلة، وعند المالكية والشافعية " +
           "تشتركان في السدس.";
}

std::string grandmotherSentence(std::size_t i, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const Standing& s = r.standing(i);
    if (s.byEntry >= 0) return byNearerGrandmother(i, c);
    if (s.byKinds.has(Mother)) {
        return excludedOpening(i, r) + "لوجود الأم" + nothingFor(i, r) + "؛ تحجب الأمُّ الجداتِ من كل جهة بالإجماع.";
    }
    return excludedOpening(i, r) + "لوجود " + c.names(s.byKinds, Genitive) + "، لأنها تدلي به" + nothingFor(i, r) +
           "؛ وهذا قول الحنفية والمالكية والشافعية، وعند الحنابلة ترث الجدة مع ابنها.";
}

// Below the nearest male of the son's line, or below the two thirds once
// the levels above have completed them.
std::string descendantSentence(std::size_t i, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const Standing& s = r.standing(i);
    if (s.byKinds.has(Sons) || s.byKinds.has(SonsSons)) {
        return excludedOpening(i, r) + "لوجود " + c.names(s.byKinds, Genitive) + "، و" +
               std::string(standalonePronoun(c.agreement(s.byKinds))) + " أقرب إلى الميت من" +
               std::string(pronoun(r.entryAgreement(i))) + nothingFor(i, r) +
               "؛ والذكر من الفرع الوارث يحجب من هو أنزل منه، ذكرًا كان أو أنثى.";
    }
    return excludedOpening(i, r) + "لاستكمال " + c.names(s.byKinds, Genitive) + " الثلثين وعدم المعصب" +
           nothingFor(i, r) + ".";
}

// The residuaries by themselves in their order: direction, then degree,
// then strength; kinsmen before the wala, the emancipator before his
// agnates. A direction as the books name it, for one of the agnates.
int directionOf(const Kinship& k)
{
    if (k.kind == KinshipKind::Emancipator) return 0;
    if (k.kind == KinshipKind::EmancipatorsAgnate && !k.across) return k.up == 0 ? 1 : 2;
    return 3 + k.up;
}

std::string directionName(int direction)
{
    switch (direction) {
    case 1: return "البنوة";
    case 2: return "الأبوة";
    case 3: return "الأخوة";
    case 4: return "العمومة";
    default: break;
    }
    // The uncles of the father, of the grandfather, ...
    RelativePath ancestor;
    for (int up = 4; up < direction; ++up) ancestor.add(Link::Father);
    return "عمومة " + relativeName(ancestor, {1, Genitive, true});
}

// Why the nearer agnate comes first, in the first measure in which they
// differ: a clause about the nearer one, and the rule.
struct Precedence {
    std::string clause;
    std::string rule;
};

Precedence precedence(const Kinship& nearer, const Kinship& farther, Agreement nearerOnes)
{
    const std::string he(standalonePronoun(nearerOnes));
    if (nearer.hops != farther.hops) {
        if (nearer.hops == 0) return {"", "والعصبة بالنسب مقدمون على العصبة بالسبب"};
        return {"", "والمعتق وعصبته مقدمون على معتق المعتق وعصبته"};
    }
    const int a = directionOf(nearer);
    const int b = directionOf(farther);
    if (a == 0) return {"", "والمعتق نفسه مقدم على عصبته"};
    if (a != b) {
        std::string rule = "وجهة " + directionName(a) + " مقدمة على جهة " + directionName(b);
        // Only the Hanafi school divides this case (the other schools' books differ on it).
        if (nearer.hops > 0 && a == 2 && nearer.up >= 2 && b >= 3) {
            rule += "، وهذا قول أبي حنيفة: جد المعتق يحجب إخوته في الولاء كما يحجب الجدُّ الإخوةَ في النسب";
        }
        return {"", rule};
    }
    if (nearer.down != farther.down || nearer.up != farther.up) {
        const bool weakerNearer = nearer.strength == Strength::Consanguine && farther.strength == Strength::Full;
        return {"، و" + he + " أقرب منه درجة",
                weakerNearer ? "والأقرب درجة مقدم على الأبعد وإن كان الأبعد أقوى قرابة" : "والأقرب يحجب الأبعد"};
    }
    return {"، و" + he + " أقوى منه قرابة", "والشقيق مقدم على الذي لأب إذا استويا جهةً ودرجة"};
}

const decision::Excluded* exclusionOf(HeirKind kind, const DecisionTrace& trace)
{
    for (const Decision& s : trace.steps()) {
        if (const auto* excluded = std::get_if<decision::Excluded>(&s); excluded && excluded->kind == kind)
            return excluded;
    }
    return nullptr;
}

// A farther agnate kept out by the nearest one entered; where the nearest is
// himself kept out in the division, by whoever keeps him out.
std::string agnateSentence(std::size_t i, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const std::size_t b = static_cast<std::size_t>(r.standing(i).byEntry);
    const Standing& nearest = r.standing(b);
    if (nearest.way == StandingWay::Inherits) {
        if (const decision::Excluded* excluded = exclusionOf(nearest.capacity, c.trace)) {
            return excludedOpening(i, r) + exclusionReasons(*excluded, c) + nothingFor(i, r) + ".";
        }
    }
    const Precedence why = precedence(nearest.kinship, r.standing(i).kinship, r.entryAgreement(b));
    return excludedOpening(i, r) + "لوجود " + r.entryName(b, Genitive) + why.clause + nothingFor(i, r) + "؛ " +
           why.rule + ".";
}

}  // namespace

std::string standingSentence(std::size_t i, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const Standing& s = r.standing(i);
    if (s.way == StandingWay::NeverInherits) {
        return "لا شيء ل" + r.entryName(i, Genitive) + "، فليس للنساء من الولاء إلا ما أعتقن أو أعتق من أعتقن.";
    }
    if (s.way != StandingWay::Excluded) return "";
    // Told with the decisions about the distant kindred.
    if (isDistantKindred(s.kinship, c.computation.positions.school)) return "";
    switch (s.kinship.kind) {
    case KinshipKind::Father:
        return excludedOpening(i, r) + "لوجود " + c.names(s.byKinds, Genitive) + nothingFor(i, r) +
               "؛ والأقرب يحجب الأبعد.";
    case KinshipKind::Grandmother: return grandmotherSentence(i, c);
    case KinshipKind::Descendant: return descendantSentence(i, c);
    default: return s.byEntry >= 0 ? agnateSentence(i, c) : "";
    }
}

std::string completingSixthSentence(const decision::CompletingSixth& sixth, const SolutionContext& c)
{
    const Agreement level = c.relatives ? c.relatives->completingSixthAgreement() : Agreement{true, 1};
    const std::string them(pronoun(level));
    const Agreement male = c.agreement(SonsSons);
    return withLam(c.completingSixthName(Genitive)) + " " + shareWord(sixth.share) + " فرضًا مع " +
           c.name(Daughters, Genitive) + " الواحدة، تكملة للثلثين، ولا يعصب" + them + " " +
           c.name(SonsSons, Nominative) + "، لأن" + std::string(pronoun(male)) + " أنزل من" + them + " ول" + them +
           " فرض في الثلثين (السنة: حديث ابن مسعود، رواه البخاري)؛ وهذا حجب نقصان من " +
           (level.persons == 1 ? "النصف" : "الثلثين") + " إلى السدس.";
}

std::string entryDivisionSentence(std::size_t i, const RelativeShare& share, const SolutionContext& c)
{
    const RelativesByKind& r = *c.relatives;
    const int heads = r.entries()[i].count;
    std::string text =
        withLam(r.entryName(i, Genitive)) + " " + figure(share.parts) + " من " + figure(share.correctedBase);
    if (heads > 1) {
        text += "، ل" + std::string(r.entryAgreement(i).feminine ? "كل واحدة" : "كل واحد") + " " +
                figure(share.partsPerHead);
    }
    // Beside distant kindred who inherit, nothing is left undistributed.
    if (r.kindred()) return text + ".";
    for (const Decision& s : c.trace.steps()) {
        if (std::holds_alternative<decision::SpouseAlone>(s)) {
            text += "، ويبقى " + figure(share.correctedBase - share.parts) + " بلا وارث من المذكورين";
        }
    }
    return text + ".";
}

}  // namespace qismaru
