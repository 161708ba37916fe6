#include "present/case_sentences.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "engine/kind_groups.h"
#include "engine/parts.h"

namespace qismaru {

namespace {

using enum HeirKind;

template <typename Record>
const Record* findRecord(const DecisionTrace& trace)
{
    for (const Decision& s : trace.steps()) {
        if (const auto* record = std::get_if<Record>(&s)) return record;
    }
    return nullptr;
}

// "4 و6 و3" from the recorded set of denominators, smallest first.
std::string denominatorList(std::uint32_t denominators)
{
    std::string list;
    for (int d = 2; d < 32; ++d) {
        if (!(denominators & (std::uint32_t{1} << d))) continue;
        list += (list.empty() ? "" : " و") + figure(std::int64_t{d});
    }
    return list;
}

std::string denominatorsGive(const decision::BaseOfDenominators& b, const char* whose)
{
    const int count = std::popcount(b.denominators);
    if (count == 1) return std::string("مخرج ") + whose + " " + denominatorList(b.denominators);
    return std::string("مخارج ") + whose + " " + denominatorList(b.denominators) + "، وأصغر عدد تنقسم عليه جميعًا " +
           figure(b.base);
}

std::string spouseReturnFit(const decision::SpouseReturnBase& s)
{
    const std::int64_t left = s.spouseDenominator - 1;
    const std::string g = figure(left);
    const std::string h = figure(s.taken);
    const std::string d = figure(s.spouseDenominator);
    switch (s.fit) {
    case decision::SpouseReturnFit::Divides:
        if (s.taken == 1) return "والباقي " + g + " كله لأهل الرد";
        if (left == s.taken) return "و" + g + " يماثل " + h + "، فيكفي أصل مسألة الزوجية";
        return "و" + g + " ينقسم على " + h + "، فيكفي أصل مسألة الزوجية";
    case decision::SpouseReturnFit::OneLeft: return "والسهم الباقي لا ينقسم على " + h + "، فيُضرب " + h + " في " + d;
    case decision::SpouseReturnFit::CommonFactor:
        return "وبين " + g + " و" + h + " توافق بـ" + figure(s.remainder) + "، فيُضرب وفق " + h + " وهو " +
               figure(s.taken / s.remainder) + " في " + d;
    case decision::SpouseReturnFit::NoFactorFound:
        if (std::gcd(left, s.taken) == 1) return "وبين " + g + " و" + h + " تباين، فيُضرب " + h + " في " + d;
        return "وباقي قسمة الأكبر من " + g + " و" + h + " على الأصغر " + figure(s.remainder) +
               " لا يقسمهما معًا، فيُضرب " + h + " في " + d;
    }
    return "";
}

std::string spouseReturnBaseSentence(const decision::BaseOfDenominators& b, const decision::SpouseReturnBase& s,
                                     const SolutionContext& c)
{
    std::string text = "في المسألة ردٌّ مع " + c.name(s.spouse, Genitive) + "، فيُركَّب أصلها من مسألتين: مسألة أهل الرد، " +
                       denominatorsGive(b, b.denominators & (b.denominators - 1) ? "فروضهم" : "فرضهم") + "، لهم منه " +
                       figure(s.othersParts);
    if (s.taken != s.othersParts) text += "، وهم صنف واحد فيُعدّ ما لهم سهمًا واحدًا";
    text += "؛ ومسألة الزوجية من " + figure(s.spouseDenominator) + "، " + c.forName(s.spouse) + " منها 1 ويبقى " +
            figure(s.spouseDenominator - 1) + "؛ " + spouseReturnFit(s) + "، فأصل المسألة " + figure(s.base) + ".";
    return text;
}

// "فرضها", "فرضيهما", "فروضهم": the shares of the heirs the surplus goes back
// to, one per kind, and the pronoun of all their persons.
std::string theirShares(KindSet sharers, const SolutionContext& c)
{
    const int kinds = sharers.size();
    const std::string_view shares = kinds == 1 ? "فرض" : kinds == 2 ? "فرضي" : "فروض";
    return std::string(shares) + std::string(pronoun(c.agreement(sharers)));
}

// Where what the spouse leaves goes: to the distant kindred entered beside
// him. Under no return (the early Maliki and Shafi'i doctrine) the distant
// kindred do not inherit either, and it goes to the treasury; the others
// give it to the distant kindred first.
std::string spouseAloneNote(const decision::SpouseAlone& alone, const SolutionContext& c)
{
    const std::string rest = figure(Fraction::whole(1) - c.result()[alone.spouse].exact);
    const Positions& positions = c.computation.positions;
    const std::string noHeirBeside = "؛ ولا وارث مع " + c.name(alone.spouse, Genitive);
    if (c.relatives && c.relatives->kindred()) return "، والباقي " + rest + " لذوي الأرحام";
    if (positions.noReturn) {
        return noHeirBeside + "، ولا رد ولا يرث ذوو الأرحام في أصل المذهب " +
               std::string(schoolInfo(positions.school).name) + "، فيبقى " + rest +
               " من التركة لبيت المال؛ وعند الحنفية والحنابلة ومتأخري المالكية والشافعية يكون لذوي الأرحام، وأفتى "
               "بعض المتأخرين بالرد على الزوجين إذا لم يوجد غيرهما";
    }
    return noHeirBeside + "، ولا يُرد على الزوجين عند جمهور الفقهاء، فيبقى " + rest +
           " من التركة بلا وارث من المذكورين (لذوي الأرحام أو لبيت المال، على خلاف بينهم)، وأفتى بعض المتأخرين "
           "بالرد على الزوجين إذا لم يوجد غيرهما";
}

// The heirs whose parts a group's heads share: in the Mushtaraka as the
// Maliki and Shafi'i schools divide it, the full siblings share the uterine
// siblings' third, every head alike, and are told with them.
KindSet groupOf(HeirKind kind, const SolutionContext& c)
{
    KindSet kinds = KindSet::of(kind);
    if (kind == UterineSiblings && findRecord<decision::SharedThird>(c.trace)) {
        kinds = kinds | KindSet::ifEntered(FullBrothers, c.counts) | KindSet::ifEntered(FullSisters, c.counts);
    }
    return kinds;
}

// One line of the correction, for each recorded finding.
std::string headsRelation(std::int64_t parts, std::int64_t heads, const HeadFactor& f)
{
    const std::string p = figure(parts);
    const std::string n = figure(heads);
    switch (f.relation) {
    case HeadsRelation::HeadsMultiple:
        if (parts == 1) return "وبين 1 و" + n + " تباين، فيُؤخذ عدد الرؤوس كاملًا " + n;
        return "وبين " + p + " و" + n + " توافق بـ" + p + "، فيُؤخذ وفق الرؤوس " + figure(f.factor);
    case HeadsRelation::CommonFactor:
        return "وبين " + p + " و" + n + " توافق بـ" + figure(f.remainder) + "، فيُؤخذ وفق الرؤوس " + figure(f.factor);
    case HeadsRelation::AllHeads: {
        const std::int64_t common = std::gcd(parts, heads);
        if (common == 1) return "وبين " + p + " و" + n + " تباين، فيُؤخذ عدد الرؤوس كاملًا " + n;
        return "وباقي قسمة " + figure(std::max(parts, heads)) + " على " + figure(std::min(parts, heads)) + " هو " +
               figure(f.remainder) + "، ولا يقسم العددين معًا، فيأخذ البرنامج عدد الرؤوس كاملًا " + n +
               " (وبينهما في الحقيقة توافق بـ" + figure(common) + "، ويكفي وفق الرؤوس " + figure(heads / common) + ")";
    }
    case HeadsRelation::NoParts:
    case HeadsRelation::PartsDivide: break;
    }
    return "";
}

std::string combinedFactors(const decision::CombinedFactors& c)
{
    const std::int64_t hi = std::max(c.before, c.factor);
    const std::int64_t lo = std::min(c.before, c.factor);
    const std::string pair = "ثم يُنظر بين " + figure(c.before) + " و" + figure(c.factor) + ": ";
    const std::string value = figure(c.result.value);
    switch (c.result.relation) {
    case Relation::Equal: return pair + "متماثلان، فيُكتفى بأحدهما " + value;
    case Relation::Divides: return pair + "متداخلان، فيُكتفى بالأكبر " + value;
    case Relation::CommonFactor:
        return pair + "متوافقان بـ" + figure(c.result.remainder) +
               "، فيُضرب وفق أحدهما في الآخر: " + figure(hi / c.result.remainder) + " × " + figure(lo) + " = " + value;
    case Relation::NoFactorFound: {
        const std::int64_t common = std::gcd(hi, lo);
        if (common == 1)
            return pair + "متباينان، فيُضرب أحدهما في الآخر: " + figure(hi) + " × " + figure(lo) + " = " + value;
        return pair + "باقي قسمة " + figure(hi) + " على " + figure(lo) + " هو " + figure(c.result.remainder) +
               "، ولا يقسمهما معًا، فيضرب البرنامج أحدهما في الآخر: " + value + " (وهما في الحقيقة متوافقان بـ" +
               figure(common) + "، وأصغر عدد ينقسم عليهما " + figure(hi / common * lo) + ")";
    }
    }
    return "";
}

// "(الذكر برأسين والأنثى برأس)" where males and females are counted together.
std::string headsNote(KindSet kinds)
{
    const bool males = kinds.has(Grandfather) || kinds.has(FullBrothers) || kinds.has(ConsanguineBrothers);
    return males && malesCountTwice(kinds) ? " (الذكر برأسين والأنثى برأس)" : "";
}

std::string correctionFinding(const Decision& s, const SolutionContext& c)
{
    if (const auto* pool = std::get_if<decision::PoolHeads>(&s)) {
        const std::string_view their = pronoun(c.agreement(pool->kinds));
        return "الباقي " + figure(pool->parts) + " بين " + c.names(pool->kinds, Genitive) + "، وعدد رؤوس" +
               std::string(their) + " " + figure(pool->heads) + headsNote(pool->kinds) + "، ولا ينقسم عليه؛ " +
               headsRelation(pool->parts, pool->heads, pool->factor);
    }
    if (const auto* share = std::get_if<decision::ShareOfBase>(&s)) {
        const Fraction onBase = share->share * Fraction::whole(share->base);
        return c.forName(share->kind) + " " + shareWord(share->share) + "، و" + shareWord(share->share) + " من " +
               figure(share->base) + " = " + figure(onBase) + "، وهذا كسر";
    }
    if (const auto* multiplied = std::get_if<decision::BaseMultiplied>(&s)) {
        return "فتُضرب المسألة في " + figure(multiplied->factor) + ": " + figure(multiplied->from) + " × " +
               figure(multiplied->factor) + " = " + figure(multiplied->to);
    }
    if (const auto* reduction = std::get_if<decision::Reduction>(&s)) {
        return "سهام كل وارث والمسألة " + figure(reduction->from) + " تنقسم كلها على " + figure(reduction->by) +
               "، فتُختصر المسألة: " + figure(reduction->from) + " ÷ " + figure(reduction->by) + " = " +
               figure(reduction->to);
    }
    if (const auto* group = std::get_if<decision::GroupHeads>(&s)) {
        const KindSet kinds = groupOf(group->kind, c);
        const std::string heads = kinds.size() > 1 ? "، وعدد رؤوسهم " : "، وعدد الرؤوس ";
        return "سهام " + c.names(kinds, Genitive) + (kinds.size() > 1 ? " في الثلث " : " ") + figure(group->parts) +
               heads + figure(group->heads) + "، ولا تنقسم عليه؛ " +
               headsRelation(group->parts, group->heads, group->factor);
    }
    if (const auto* pair = std::get_if<decision::PairHeads>(&s)) {
        return "سهام " + c.names(KindSet{pair->male, pair->female}, Genitive) + " " + figure(pair->parts) +
               "، وعدد الرؤوس " + figure(pair->heads) + " (الذكر برأسين والأنثى برأس)، ولا تنقسم عليه؛ " +
               headsRelation(pair->parts, pair->heads, pair->factor);
    }
    if (const auto* lower = std::get_if<decision::CompletingSixthHeads>(&s)) {
        return "سهام " + c.completingSixthName(Genitive) + " " + figure(lower->parts) + "، وعدد الرؤوس " +
               figure(lower->heads) + "، ولا تنقسم عليه؛ " + headsRelation(lower->parts, lower->heads, lower->factor);
    }
    if (const auto* combined = std::get_if<decision::CombinedFactors>(&s)) return combinedFactors(*combined);
    return "";
}

bool toOneKind(const decision::Return& ret) { return !ret.spouse && ret.sharers.size() == 1; }

// The return goes to one kind and no spouse: the books make the case from
// their heads straight away, whatever the base and its reduction were.
const decision::Return* returnToOneKind(const SolutionContext& c)
{
    const auto* ret = findRecord<decision::Return>(c.trace);
    return ret && toOneKind(*ret) ? ret : nullptr;
}

std::string returnToOneKindSentence(const decision::Return& ret, const SolutionContext& c)
{
    // The books' rule is said of the returnees in general ("رؤوسهم"); the
    // figure is these heirs' number of heads.
    return "الرد كله " + c.forNames(ret.sharers) +
           "، وإذا كان أهل الرد صنفًا واحدًا فالمسألة من عدد رؤوسهم؛ فتصح المسألة من " + figure(finalBaseOf(c.result())) +
           ".";
}

}  // namespace

std::vector<HeadsGroup> correctionGroups(const SolutionContext& c)
{
    std::vector<HeadsGroup> groups;
    for (const Decision& s : c.trace.steps()) {
        if (const auto* group = std::get_if<decision::GroupHeads>(&s)) {
            groups.push_back({groupOf(group->kind, c), group->parts, group->heads, group->factor.factor});
        } else if (const auto* pair = std::get_if<decision::PairHeads>(&s)) {
            groups.push_back({KindSet{pair->male, pair->female}, pair->parts, pair->heads, pair->factor.factor});
        } else if (const auto* pool = std::get_if<decision::PoolHeads>(&s)) {
            groups.push_back({pool->kinds, pool->parts, pool->heads, pool->factor.factor});
        } else if (const auto* lower = std::get_if<decision::CompletingSixthHeads>(&s)) {
            // Of no kind: the level stands beside the 21 kinds.
            groups.push_back({{}, lower->parts, lower->heads, lower->factor.factor});
        }
    }
    return groups;
}

std::string baseSentence(const SolutionContext& c)
{
    if (const auto* heads = findRecord<decision::HeadsBase>(c.trace)) {
        return "ليس في المسألة صاحب فرض، فأصلها من عدد رؤوس " + c.names(heads->kinds, Genitive) +
               headsNote(heads->kinds) + ": " + figure(heads->heads) + ".";
    }
    const decision::BaseOfDenominators* b = findRecord<decision::BaseOfDenominators>(c.trace);
    // A rule that forms its base without noting how still has its base told.
    if (!b) return "أصل المسألة " + figure(c.result().base) + ".";
    if (const auto* spouseReturn = findRecord<decision::SpouseReturnBase>(c.trace)) {
        return spouseReturnBaseSentence(*b, *spouseReturn, c);
    }
    std::string text;
    if (b->denominators == 0) {
        text = "ليس في المسألة صاحب فرض، فالتركة كلها للعصبة، وأصل المسألة 1";
    } else {
        text = denominatorsGive(*b, std::popcount(b->denominators) == 1 ? "الفرض" : "الفروض") + "، فأصل المسألة " +
               figure(b->base);
    }
    if (const auto* third = findRecord<decision::ThirdOfRemainderBase>(c.trace)) {
        text += "؛ وللجد ثلث الباقي، والباقي بعد الفروض " + figure(third->remainder);
        text += third->to == third->from
                    ? " ينقسم على 3، فيبقى الأصل " + figure(third->to)
                    : " لا ينقسم على 3، فيُضرب الأصل في 3: " + figure(third->from) + " × 3 = " + figure(third->to);
    }
    if (const auto* umariyyatan = findRecord<decision::UmariyyatanBase>(c.trace)) {
        text += "؛ ولأن للأم ثلث الباقي بعد نصف الزوج، وهو سدس، يُضرب الأصل في 3: " + figure(umariyyatan->from) +
                " × 3 = " + figure(umariyyatan->to);
    }
    if (const auto* alone = findRecord<decision::SpouseAlone>(c.trace)) text += spouseAloneNote(*alone, c);
    return text + ".";
}

std::string increaseSentence(const decision::Increase& increase, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    return "مجموع الفروض " + figure(increase.fixedTotal) + " يزيد على التركة، فتعول المسألة من " + figure(r.base) +
           " إلى " + figure(increasedOrReducedBaseOf(r)) +
           "، وهو مجموع سهام الفروض، فينقص كل فرض بنسبته؛ والعول قضى به عمر رضي الله عنه بمشورة الصحابة، وعليه "
           "المذاهب الأربعة، وخالف فيه ابن عباس.";
}

std::string returnSentence(const decision::Return& ret, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    std::string text = "مجموع الفروض " + figure(ret.fixedTotal) + " أقل من التركة ولا عاصب، فيُرد الباقي على " +
                       c.names(ret.sharers, Genitive) + " بقدر " + theirShares(ret.sharers, c);
    if (ret.spouse) {
        text += "، ولا يُرد على " + c.name(*ret.spouse, Genitive) + ": " + c.forName(*ret.spouse) +
                " فرض الزوجية كاملًا، وقد دخل الرد في أصل المسألة " + figure(r.base);
    } else if (!toOneKind(ret)) {
        // One kind's case is made from their heads, in the correction.
        text += "، وتُرد المسألة من " + figure(r.base) + " إلى " + figure(increasedOrReducedBaseOf(r)) +
                "، وهو مجموع سهام الفروض";
    }
    return text +
           "؛ والرد قول الحنفية والحنابلة، وكان المالكية والشافعية يجعلون الباقي لبيت المال، ثم أفتى متأخروهم بالرد "
           "إذا لم ينتظم بيت المال.";
}

std::string correctionSentence(const SolutionContext& c)
{
    if (const auto* ret = returnToOneKind(c)) return returnToOneKindSentence(*ret, c);
    std::string text;
    bool stepwise = false;  // the case was multiplied as it went, or reduced: every figure is told already
    for (const Decision& s : c.trace.steps()) {
        const std::string finding = correctionFinding(s, c);
        if (!finding.empty()) text += (text.empty() ? "" : "؛ ") + finding;
        stepwise = stepwise || std::holds_alternative<decision::BaseMultiplied>(s) ||
                   std::holds_alternative<decision::Reduction>(s);
    }
    const CaseResult& r = c.result();
    if (stepwise) return text + "؛ فتصح المسألة من " + figure(finalBaseOf(r)) + ".";
    if (r.correction == 1.0) {
        if (text.empty())
            return "سهام كل فريق تنقسم على رؤوسه، فلا تحتاج المسألة إلى تصحيح، وتصح من " + figure(r.finalBase) + ".";
        return text + "؛ فتصح المسألة من " + figure(r.finalBase) + ".";
    }
    // Whole here: a fractional correction comes only from the halving rule,
    // which a return to one kind explains above.
    const std::int64_t factor = std::llround(r.correction);
    return text + "؛ فجزء السهم " + figure(factor) + "، وتصح المسألة من " + figure(increasedOrReducedBaseOf(r)) +
           " × " + figure(factor) + " = " + figure(finalBaseOf(r)) + ".";
}

std::string divisionSentence(HeirKind kind, const SolutionContext& c)
{
    const CaseResult& r = c.result();
    const std::int64_t parts = partsOf(kind, r);
    const int heads = c.counts.of(kind);
    std::string text = c.forName(kind) + " " + figure(parts) + " من " + figure(finalBaseOf(r));
    if (heads > 1) text += "، ل" + std::string(eachOne(kind)) + " " + figure(parts / heads);
    if (findRecord<decision::SpouseAlone>(c.trace)) {
        text += "، ويبقى " + figure(finalBaseOf(r) - parts) + " بلا وارث من المذكورين";
    }
    return text + ".";
}

}  // namespace qismaru
