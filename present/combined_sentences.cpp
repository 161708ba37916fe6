#include "present/combined_sentences.h"

#include <array>

#include "engine/kind_groups.h"
#include "present/heir_labels.h"
#include "present/heir_names.h"
#include "present/relative_names.h"
#include "present/solution_context.h"

namespace qismaru {

namespace {

constexpr std::array<std::string_view, 10> kMasculine = {"الأول",  "الثاني", "الثالث", "الرابع", "الخامس",
                                                         "السادس", "السابع", "الثامن", "التاسع", "العاشر"};
constexpr std::array<std::string_view, 10> kFeminine = {"الأولى",  "الثانية", "الثالثة", "الرابعة", "الخامسة",
                                                        "السادسة", "السابعة", "الثامنة", "التاسعة", "العاشرة"};

std::string ordinal(int death, const std::array<std::string_view, 10>& words)
{
    if (death >= 1 && death <= static_cast<int>(words.size())) return std::string(words[death - 1]);
    return "رقم " + figure(std::int64_t{death});
}

// Before the first join the combined base is the first case itself.
std::string combinedBaseName(int death) { return death == 2 ? "المسألة الأولى" : "الجامعة"; }

// How the sentences about a later deceased agree with him or her: "مات الابن
// …، وهو الميت الثاني، ومسألته …", "ماتت البنت …، وهي الميتة الثانية،
// ومسألتها …". A uterine sibling, named "ولد الأم", agrees as a man.
struct DeceasedWords {
    std::string_view died;  // "مات", "ماتت"
    std::string_view self;  // "هو", "هي"
    std::string_view his;   // the attached pronoun: "ه", "ها"
    bool feminine;
};

DeceasedWords deceasedWords(const GroupRef& ref)
{
    if (groupFeminine(ref)) return {"ماتت", "هي", "ها", true};
    return {"مات", "هو", "ه", false};
}

std::string joinSentence(const JoinStep& s, const LaterDeath& later, const std::vector<DeathCase>& deaths)
{
    const DeceasedWords w = deceasedWords(later.deceased);
    const std::string his(w.his);
    const std::string p = figure(s.deceasedParts);
    const std::string b = figure(s.caseBase);
    const std::string j = combinedBaseName(s.death) + " " + figure(s.baseBefore);
    const std::string becomes = (s.death == 2 ? " فتكون الجامعة " : " فتصير ") + figure(s.baseAfter);
    const std::string earlier = s.death == 2 ? "من المسألة الأولى" : "من المسائل قبلها";
    const std::string hisCase = "مسألت" + his;
    const std::string hisParts = "سهام" + his;
    std::string text = std::string(w.died) + " " + deceasedName(later.deceased, deaths) + " قبل القسمة، و" +
                       std::string(w.self) + " " + deceasedTitle(s.death, later.deceased) + "، و" + hisCase +
                       " تصح من " + b + "، و" + hisParts + " من " + j + " هي " + p + "؛ ";
    switch (s.relation) {
    case PartsRelation::Divides:
        text += "و" + hisParts + " تنقسم على " + hisCase + "، فلا تتغير الجامعة " + figure(s.baseAfter) +
                "، ويُضرب ما لكل وارث من " + hisCase + " في " + p + " ÷ " + b + " = " + figure(s.caseMultiplier) + ".";
        break;
    case PartsRelation::Agrees:
        text += "وبين " + p + " و" + b + " توافق بـ" + figure(s.commonFactor) + "، فيُضرب وفق " + hisCase + " " +
                figure(s.earlierMultiplier) + " في " + j + becomes + "، ويُضرب ما لكل وارث " + earlier + " في " +
                figure(s.earlierMultiplier) + "، وما لكل وارث من " + hisCase + " في وفق " + hisParts + " " +
                figure(s.caseMultiplier) + ".";
        break;
    case PartsRelation::Coprime:
        text += "وبين " + p + " و" + b + " تباين، فتُضرب " + hisCase + " كاملة " + b + " في " + j + becomes +
                "، ويُضرب ما لكل وارث " + earlier + " في " + b + "، وما لكل وارث من " + hisCase + " في " + hisParts +
                " كاملة " + p + ".";
        break;
    }
    return text;
}

// "للزوجة في الأولى، الأم في الثانية: 3 × 5 + 2 × 14 = 43 من 120."
std::string heirsSentence(const CombinedTable& table, std::size_t row)
{
    const PersonGroup& g = table.groups[row];
    const auto named = [&g](const GroupRef& r) {
        return groupName(r, g.count, Genitive) + " في " + caseOrdinal(r.death);
    };
    std::string text = withLam(named(g.ref));
    for (const GroupRef& r : g.also) text += "، " + named(r);
    text += ": ";
    const std::size_t sum = text.size();
    bool first = true;
    for (std::size_t d = 0; d < table.deathCount(); ++d) {
        if (table.casePart(row, d) == 0) continue;
        text += (first ? "" : " + ") + figure(table.casePart(row, d)) + " × " + figure(table.multipliers[d]);
        first = false;
    }
    if (table.reducedBy > 1) text = text.substr(0, sum) + "(" + text.substr(sum) + ") ÷ " + figure(table.reducedBy);
    return text + " = " + figure(g.parts) + " من " + figure(table.base) + ".";
}

// "سهام كل وارث والجامعة 6 تنقسم كلها على 3، فتُختصر الجامعة: 6 ÷ 3 = 2."
std::string reductionSentence(const CombinedTable& table)
{
    const std::string before = figure(table.base * table.reducedBy);
    const std::string by = figure(table.reducedBy);
    const std::string unclaimed = table.undistributed > 0 ? " وما لا يأخذه أحد" : "";
    return "سهام كل وارث" + unclaimed + " والجامعة " + before + " تنقسم كلها على " + by +
           "، فتُختصر الجامعة: " + before + " ÷ " + by + " = " + figure(table.base) + ".";
}

}  // namespace

std::string deceasedOrdinal(int death) { return ordinal(death, kMasculine); }
std::string caseOrdinal(int death) { return ordinal(death, kFeminine); }

std::string deceasedTitle(int death, const GroupRef& ref)
{
    return deceasedWords(ref).feminine ? "الميتة " + ordinal(death, kFeminine) : "الميت " + deceasedOrdinal(death);
}

std::string passedOnNote(const GroupRef& ref)
{
    const DeceasedWords w = deceasedWords(ref);
    const std::string his(w.his);
    return std::string(w.died) + " قبل القسمة، فانتقلت سهام" + his + " إلى ورثت" + his;
}

std::string groupName(const GroupRef& ref, int count, GrammaticalCase grammaticalCase)
{
    if (!ref.byPath()) return heirName(ref.kind, count, grammaticalCase);
    return relativeName(ref.path, {count, grammaticalCase, true}) + (ref.label.empty() ? "" : " @" + ref.label);
}

std::string groupDisplayName(const GroupRef& ref)
{
    if (!ref.byPath()) return std::string(labelsOf(ref.kind).displayName);
    return relativeName(ref.path) + (ref.label.empty() ? "" : " @" + ref.label);
}

bool groupFeminine(const GroupRef& ref)
{
    return ref.byPath() ? agreementOf(ref.path, 1).feminine : agreementOf(ref.kind, 1).feminine;
}

std::string deceasedName(const GroupRef& ref, const std::vector<DeathCase>& deaths)
{
    const int count = countOf(deaths[static_cast<std::size_t>(ref.death - 1)], ref);
    std::string name;
    if (!ref.byPath()) {
        name = oneMemberName(ref.kind, count);
    } else if (count <= 1) {
        name = groupName(ref, 1, Nominative);
    } else {
        // One of several is "أحد أبناء ابن الابن", the name after it genitive.
        name = (groupFeminine(ref) ? "إحدى " : "أحد ") + groupName(ref, count, Genitive);
    }
    return name + " في المسألة " + caseOrdinal(ref.death);
}

std::string laterDeathHeading(int death, const LaterDeath& later, const std::vector<DeathCase>& deaths)
{
    return deceasedTitle(death, later.deceased) + ": " + deceasedName(later.deceased, deaths) + "، " +
           std::string(deceasedWords(later.deceased).died) + " قبل القسمة";
}

namespace {

// A step about the combined table as a whole, of no death and no group.
// Built member by member: an aggregate with a group's reference inside
// makes the optimiser warn of a label it cannot see is empty.
CombinedStep caseWideStep(CombinedStepType type, std::int64_t parts, std::string text, std::int64_t by = 0)
{
    CombinedStep step;
    step.type = type;
    step.parts = parts;
    step.text = std::move(text);
    step.by = by;
    return step;
}

}  // namespace

std::vector<CombinedStep> combinedSteps(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                                        const CombinedTable& table)
{
    std::vector<CombinedStep> steps;
    for (const JoinStep& join : table.joins) {
        const LaterDeath& death = later[static_cast<std::size_t>(join.death - 2)];
        steps.push_back({CombinedStepType::Join, join.death, death.deceased, 0, joinSentence(join, death, deaths)});
    }
    if (table.reducedBy > 1) {
        steps.push_back(
            caseWideStep(CombinedStepType::Reduction, table.base, reductionSentence(table), table.reducedBy));
    }
    steps.push_back(
        caseWideStep(CombinedStepType::Base, table.base, "فتصح المسائل كلها من الجامعة " + figure(table.base) + ":"));
    for (std::size_t row = 0; row < table.groups.size(); ++row) {
        const PersonGroup& g = table.groups[row];
        if (!g.alive() || g.parts == 0) continue;
        steps.push_back({CombinedStepType::Heirs, 0, g.ref, g.parts, heirsSentence(table, row)});
    }
    if (table.undistributed > 0) {
        steps.push_back(caseWideStep(CombinedStepType::Undistributed, table.undistributed,
                                     "ويبقى " + figure(table.undistributed) + " من " + figure(table.base) +
                                         " لا يأخذه أحد من الورثة، وهو ما بقي بلا وارث في مسائلهم."));
    }
    return steps;
}

std::string deathHeirsLine(const DeathCase& death)
{
    return death.byPath ? caseHeirsLine(death.relatives) : caseHeirsLine(death.counts);
}

std::string successiveDeathsText(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                                 const std::vector<std::vector<SolutionStep>>& solutions,
                                 const std::vector<CombinedStep>& combined)
{
    const auto caseText = [&](std::size_t i) { return solutionBody(deathHeirsLine(deaths[i]), solutions[i]); };
    std::string text = caseText(0);
    for (std::size_t i = 1; i < deaths.size(); ++i) {
        text += '\n';
        text += laterDeathHeading(static_cast<int>(i) + 1, later[i - 1], deaths);
        text += '\n';
        text += caseText(i);
    }
    text += "\nالجامعة\n";
    for (const CombinedStep& step : combined) text += "- " + step.text + "\n";
    return text;
}

}  // namespace qismaru
