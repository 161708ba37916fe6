#include "present/kindred_sentences.h"

#include <algorithm>

#include "present/heir_names.h"
#include "present/relative_names.h"
#include "present/solution_context.h"

namespace qismaru {

namespace {

using namespace kindred_step;

constexpr Verb kPlaced{"يُنزَّل", "تُنزَّل", "يُنزَّلان", "تُنزَّلان", "يُنزَّلون", "يُنزَّلن"};
constexpr Verb kPreferred{"يُقدَّم", "تُقدَّم", "يُقدَّمان", "تُقدَّمان", "يُقدَّمون", "يُقدَّمن"};

struct Names {
    std::span<const RelativeEntry> entries;
    bool sexGiven;

    // An entry as a sentence names it, with the label that tells its line apart.
    std::string entry(std::size_t i, GrammaticalCase grammaticalCase) const
    {
        const RelativeEntry& e = entries[i];
        const std::string name = relativeName(e.path, {e.count, grammaticalCase, true, sexGiven});
        return e.label.empty() ? name : name + " (@" + e.label + ")";
    }
    // A person between the deceased and the entries, or an heir they are placed as.
    static std::string person(const RelativePath& path, const std::string& label, int count,
                              GrammaticalCase grammaticalCase)
    {
        const std::string name = relativeName(path, {count, grammaticalCase, true, false});
        return label.empty() ? name : name + " (@" + label + ")";
    }
    // A root counted by his branches: the entry itself with its heads, or
    // one person between, counted as many as his branches.
    std::string root(const Branch& b) const
    {
        for (const RelativeEntry& e : entries) {
            if (e.path == b.path && e.label == b.label) return person(b.path, b.label, e.count, Genitive);
        }
        const std::string name = person(b.path, b.label, 1, Genitive);
        if (b.heads == 1) return name;
        return name + " (فروع" + std::string(pronoun(agreementOf(b.path, 1))) + " " + figure(std::int64_t{b.heads}) +
               ")";
    }
    // Whether a root is one of the entries themselves: his share is then
    // his own and is not passed down to anyone.
    const RelativeEntry* asEntry(const Branch& b) const
    {
        for (const RelativeEntry& e : entries) {
            if (e.path == b.path && e.label == b.label) return &e;
        }
        return nullptr;
    }
    bool isLonePerson(const Branch& b) const
    {
        const RelativeEntry* e = asEntry(b);
        return e && e->count == 1;
    }
};

// A share of what the kindred divide: "الكل" for all of it.
std::string shareText(Fraction share) { return share == Fraction::whole(1) ? "الكل" : figure(share); }

// "ه" or "ها" after a word about one person on the path.
std::string_view hisOrHer(const RelativePath& path) { return pronoun(agreementOf(path, 1)); }

std::string joined(const std::vector<std::string>& parts, std::string_view separator = "، و")
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

// The school's method, and how the others differ from it.
std::string methodSentence(const Positions& positions)
{
    switch (kindredWayOf(positions)) {
    case KindredWay::PlacingAlike:
        return "يُورَّث ذوو الأرحام عند الحنابلة بالتنزيل: يُنزَّل كل منهم منزلة من أدلى به من الورثة درجةً "
               "درجةً حتى يصل إلى وارث، ويُقدَّم الأسبق إلى الوارث في الجهة الواحدة (البنوة والأبوة والأمومة، "
               "وأولاد الإخوة لأم في جهة الأبوة على ظاهر المذهب، وجعلهم ابن عثيمين في جهة الأمومة)، ويُسوّى بين "
               "ذكرهم وأنثاهم؛ وعند متأخري الشافعية والمالكية تنزيل مثله للذكر مثل حظ الأنثيين، وعند الحنفية "
               "يُورَّثون بالقرابة أصنافًا.";
    case KindredWay::PlacingTwoToOne:
        return "يُورَّث ذوو الأرحام عند متأخري " +
               std::string(positions.school == School::Maliki ? "المالكية" : "الشافعية") +
               " بالتنزيل: يُنزَّل كل منهم منزلة من أدلى به من الورثة حتى يصل إلى وارث، ويُقدَّم الأسبق إلى "
               "الوارث في الجهة الواحدة، ويُقسم نصيب كل وارث بين من نُزِّلوا منزلته للذكر مثل حظ الأنثيين إلا "
               "أولاد الإخوة لأم فبالسوية؛ وأصل المذهب أن ما بقي لبيت المال، ويسوّي الحنابلة بين الذكر والأنثى.";
    case KindredWay::ClassesByRoots:
        return "يُورَّث ذوو الأرحام عند الحنفية بالقرابة كالعصبات: أصنافهم أربعة يُقدَّم الأول فالأول على آخر "
               "قولي أبي حنيفة وعليه الفتوى، ثم الأقرب درجة، ثم ولد الوارث، ويُقسم على قول محمد باعتبار الأصول "
               "عند أول بطن اختلف، كلٌّ بعدد فروعه (وعليه السراجية وشروحها)، وعند أبي يوسف على أبدان الفروع؛ "
               "ويورّثهم الحنابلة ومتأخرو الشافعية والمالكية بالتنزيل.";
    case KindredWay::ClassesByPersons:
        return "يُورَّث ذوو الأرحام عند الحنفية بالقرابة كالعصبات: أصنافهم أربعة يُقدَّم الأول فالأول، ثم الأقرب "
               "درجة، ثم ولد الوارث، ويُقسم هنا على قول أبي يوسف على أبدان الفروع للذكر مثل حظ الأنثيين بعد "
               "تقديم الأقوى قرابة (وبه أخذ القانون السوري)، وعند محمد باعتبار الأصول عند أول بطن اختلف.";
    }
    return "";
}

std::string inheritSentence(const Inherit& inherit, const Positions& positions, int spouses)
{
    if (!inherit.spouse) {
        return "ليس في المسألة صاحب فرض ولا عاصب، فالمال كله لذوي الأرحام. " + methodSentence(positions);
    }
    const HeirKind spouse = *inherit.spouse;
    const Agreement agreement = agreementOf(spouse, spouses);
    return "ليس في المسألة صاحب فرض غير " + heirName(spouse, spouses, Genitive) + " ولا عاصب، ف" +
           std::string(verbBefore(kTakes, agreement)) + " " + heirName(spouse, spouses, Nominative) + " " +
           (spouse == HeirKind::Husband ? "نصف" : "ربع") + std::string(pronoun(agreement)) +
           " كاملًا بلا حجب ولا رد، والباقي (" + figure(inherit.remainder) +
           ") لذوي الأرحام يُقسم بينهم كأنه المال كله. " + methodSentence(positions);
}

// Beside a sharer or a residuary the distant kindred take nothing: every
// one of them entered is named.
std::string heirsFirstSentence(const HeirsFirst& first, const Names& names, const PathComputation& computation)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < names.entries.size(); ++i) {
        if (isDistantKindred(computation.resolution.standings[i].kinship, computation.computation.positions.school)) {
            kept.push_back(names.entry(i, Genitive));
        }
    }
    return "لا يرث ذوو الأرحام مع صاحب فرض غير الزوجين ولا مع عاصب، وفي المسألة " +
           names.entry(first.heir, Nominative) + "؛ فلا شيء " + withLam(joined(kept, " و")) + ".";
}

std::string placedSentence(const Placed& placed, const Names& names)
{
    const RelativeEntry& e = names.entries[placed.entry];
    const Agreement agreement = agreementOf(e.path, e.count, names.sexGiven);
    std::string text = std::string(verbBefore(kPlaced, agreement)) + " " + names.entry(placed.entry, Nominative) +
                       " منزلة " + Names::person(placed.heir, placed.label, 1, Genitive);
    if (placed.steps == 2) text += " على بُعد درجتين";
    if (placed.steps > 2) {
        text += " على بُعد " + figure(std::int64_t{placed.steps}) + (placed.steps <= 10 ? " درجات" : " درجة");
    }
    return text + ".";
}

std::string keptOutSentence(const KeptOut& kept, const Names& names)
{
    const char* why = "";
    switch (kept.nearness) {
    case Nearness::NearerToAnHeir: why = "أسبق إلى وارث في الجهة نفسها"; break;
    case Nearness::EarlierClass: why = "من صنف مقدَّم"; break;
    case Nearness::NearerDegree: why = "أقرب درجة إلى الميت"; break;
    case Nearness::NearerLevel: why = "من عمومة أو خؤولة أقرب"; break;
    case Nearness::ChildOfAnHeir: why = "ولد وارث"; break;
    case Nearness::Stronger: why = "أقوى قرابة"; break;
    }
    const RelativeEntry& e = names.entries[kept.entry];
    const RelativeEntry& by = names.entries[kept.by];
    const Agreement byAgreement = agreementOf(by.path, by.count, names.sexGiven);
    return "لا شيء " + withLam(names.entry(kept.entry, Genitive)) + ": " +
           std::string(verbBefore(kPreferred, byAgreement)) + " علي" +
           std::string(pronoun(agreementOf(e.path, e.count, names.sexGiven))) + " " + names.entry(kept.by, Nominative) +
           " لأن" + std::string(pronoun(byAgreement)) + " " + why + ".";
}

std::string placedCaseSentence(const PlacedCase& placed)
{
    std::vector<std::string> shares;
    for (const PlacedCase::Heir& heir : placed.heirs) {
        shares.push_back(withLam(Names::person(heir.path, heir.label, 1, Genitive)) + " " + shareText(heir.share));
    }
    return "ثم تُقسم المسألة بين من نُزِّلوا منزلتهم كأنهم الورثة، بالفروض والتعصيب والعول والرد: " + joined(shares) + ".";
}

// Each branch with its share; a root counted by his branches where `roots`.
std::string branchShares(const std::vector<Branch>& branches, const Names* roots = nullptr)
{
    std::vector<std::string> shares;
    for (const Branch& b : branches) {
        const std::string name = roots ? roots->root(b) : Names::person(b.path, b.label, b.heads, Genitive);
        shares.push_back(withLam(name) + " " + (b.share.isZero() ? std::string("لا شيء") : shareText(b.share)));
    }
    return joined(shares);
}

std::string passedSentence(const Passed& passed)
{
    const std::string from = Names::person(passed.from, passed.label, 1, Genitive);
    const std::string share = " (" + shareText(passed.share) + ")";
    const std::string_view his = hisOrHer(passed.from);
    const std::string by = "بين من أدلوا ب" + std::string(his);
    switch (passed.passing) {
    case Passing::Alike:
        return "ويُقسم نصيب " + from + share + " " + by + " بالسوية، ذكرهم كأنثاهم: " + branchShares(passed.to) + ".";
    case Passing::TwoToOne:
        return "ويُقسم نصيب " + from + share + " " + by + " للذكر مثل حظ الأنثيين: " + branchShares(passed.to) + ".";
    case Passing::AsHisHeirs: {
        const bool she = his == "ها";
        return "واختلفت منازل من أدلوا ب" + from + " من" + std::string(his) +
               (she ? "، فتُجعل كأنها الميتة" : "، فيُجعل كأنه الميت") + " ويُقسم نصيب" + std::string(his) + share +
               " بينهم كما يرثون" + std::string(his) + ": " + branchShares(passed.to) + ".";
    }
    }
    return "";
}

std::string classSentence(const Class& klass)
{
    static constexpr const char* kClasses[] = {
        "الصنف الأول: فروع الميت من جهة البنات (أولاد البنات وأولاد بنات الابن وإن نزلوا)",
        "الصنف الثاني: أصول الميت الساقطون (الجد الرحمي والجدة الرحمية وإن علوا)",
        "الصنف الثالث: فروع أبوي الميت (أولاد الأخوات وبنات الإخوة وأولاد الإخوة لأم وإن نزلوا)",
        "الصنف الرابع: فروع أجداد الميت وجداته (العمات والأعمام لأم والأخوال والخالات وأولادهم)",
    };
    return "يرث منهم " + std::string(kClasses[klass.number - 1]) + "، ولا شيء لمن بعده من الأصناف.";
}

std::string sidesSentence(const Sides& sides)
{
    return "ولقرابة " + relativeName(sides.father, {1, Genitive, true}) + " الثلثان (" + figure(sides.fatherShare) +
           ")، ولقرابة " + relativeName(sides.mother, {1, Genitive, true}) + " الثلث (" + figure(sides.motherShare) +
           ")، لا يُنظر إلى القوة بين الجهتين.";
}

std::string rootsAsHeirsSentence(const RootsAsHeirs& roots, const Names& names)
{
    return "وعند محمد يُقسم المال على الإخوة والأخوات كأنهم الورثة، يُعدّ كل أصل بعدد فروعه: " +
           branchShares(roots.roots, &names) + "، ثم ما أصاب كل فريق لفروعه.";
}

std::string byRootsSentence(const ByRoots& roots, const Names& names)
{
    const bool persons = std::all_of(roots.roots.begin(), roots.roots.end(),
                                     [&](const Branch& b) { return names.asEntry(b) != nullptr; });
    if (persons) {
        return "ولم تختلف أصولهم ذكورة وأنوثة، فيُقسم على أبدانهم للذكر مثل حظ الأنثيين: " +
               branchShares(roots.roots, &names) + ".";
    }
    return "ويُقسم على أول بطن اختلف فيه الأصول ذكورة وأنوثة، يُعدّ كل أصل بعدد فروعه، للذكر مثل حظ الأنثيين: " +
           branchShares(roots.roots, &names) + "، ثم ما أصاب الذكور لفروعهم وما أصاب الإناث لفروعهن.";
}

std::string byPersonsSentence(const ByPersons& persons, const Names& names)
{
    std::vector<std::string> named;
    bool males = false;
    bool females = false;
    for (const std::size_t i : persons.entries) {
        named.push_back(names.entry(i, Genitive));
        (isFemale(names.entries[i].path.last()) ? females : males) = true;
    }
    const RelativeEntry& first = names.entries[persons.entries.front()];
    if (persons.entries.size() == 1 && first.count == 1) {
        return "و" + withLam(names.entry(persons.entries.front(), Genitive)) + " " + shareText(persons.share) + ".";
    }
    const char* rule = males && females ? "للذكر مثل حظ الأنثيين" : "بالسوية";
    return "ويُقسم " + shareText(persons.share) + " على أبدان " + joined(named, " و") + " " + rule + ".";
}

// A lone person's share named already where the roots were divided, when
// the first generation that differs is the persons' own.
bool alreadyStated(const ByPersons& persons, const Names& names, const std::vector<const Branch*>& stated)
{
    if (persons.entries.size() != 1) return false;
    const RelativeEntry& e = names.entries[persons.entries.front()];
    return std::any_of(stated.begin(), stated.end(), [&](const Branch* b) {
        return b->path == e.path && b->label == e.label && b->share == persons.share;
    });
}

}  // namespace

std::vector<std::string> kindredSentences(std::span<const RelativeEntry> entries, const PathComputation& computation,
                                          const KindredTrace& trace)
{
    const Names names{entries, uterineSexGiven(entries)};
    const Positions& positions = computation.computation.positions;
    std::vector<std::string> sentences;
    std::vector<const Branch*> stated;  // persons whose share the roots' division named
    for (const KindredDecision& step : trace.steps()) {
        std::visit(
            [&](const auto& s) {
                using S = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<S, HeirsFirst>) {
                    sentences.push_back(heirsFirstSentence(s, names, computation));
                } else if constexpr (std::is_same_v<S, ToTreasury>) {
                    sentences.push_back(
                        "لا رد ولا يرث ذوو الأرحام في أصل المذهب " + std::string(schoolInfo(positions.school).name) +
                        "، فما بقي لبيت المال؛ وعند الحنفية والحنابلة ومتأخري المالكية والشافعية يرثه ذوو الأرحام.");
                } else if constexpr (std::is_same_v<S, Inherit>) {
                    const HeirKind spouse = s.spouse.value_or(HeirKind::Wives);
                    sentences.push_back(
                        inheritSentence(s, positions, computation.resolution.capacities.counts.of(spouse)));
                } else if constexpr (std::is_same_v<S, Placed>) {
                    sentences.push_back(placedSentence(s, names));
                } else if constexpr (std::is_same_v<S, KeptOut>) {
                    sentences.push_back(keptOutSentence(s, names));
                } else if constexpr (std::is_same_v<S, PlacedCase>) {
                    sentences.push_back(placedCaseSentence(s));
                } else if constexpr (std::is_same_v<S, Passed>) {
                    sentences.push_back(passedSentence(s));
                } else if constexpr (std::is_same_v<S, Class>) {
                    sentences.push_back(classSentence(s));
                } else if constexpr (std::is_same_v<S, Sides>) {
                    sentences.push_back(sidesSentence(s));
                } else if constexpr (std::is_same_v<S, RootsAsHeirs>) {
                    // One root takes all: the persons' own division says it.
                    if (s.roots.size() > 1) sentences.push_back(rootsAsHeirsSentence(s, names));
                } else if constexpr (std::is_same_v<S, ByRoots>) {
                    if (s.roots.size() > 1) sentences.push_back(byRootsSentence(s, names));
                    for (const Branch& b : s.roots) {
                        if (names.isLonePerson(b)) stated.push_back(&b);
                    }
                } else if (!alreadyStated(s, names, stated)) {
                    sentences.push_back(byPersonsSentence(s, names));
                }
            },
            step);
    }
    return sentences;
}

std::string kindredCorrectionSentence(const PathComputation& computation)
{
    const KindredDivision& kindred = *computation.kindred;
    const std::string base = figure(kindred.correctedBase);
    if (kindred.remainder == Fraction::whole(1)) {
        return "تُجمع أنصباء ذوي الأرحام على أقل عدد تصح منه سهامهم، فتصح المسألة من " + base + ".";
    }
    const KindCounts& counts = computation.resolution.capacities.counts;
    const HeirKind spouse = counts.has(HeirKind::Husband) ? HeirKind::Husband : HeirKind::Wives;
    return "تُجمع سهام " + heirName(spouse, counts.of(spouse), Genitive) +
           " وسهام ذوي الأرحام على أقل عدد تصح منه سهام كل واحد منهم، فتصح المسألة من " + base + ".";
}

}  // namespace qismaru
