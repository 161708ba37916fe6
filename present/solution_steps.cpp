#include "present/solution_steps.h"

#include <algorithm>
#include <cmath>

#include "engine/kind_groups.h"
#include "engine/parts.h"
#include "present/case_names.h"
#include "present/case_sentences.h"
#include "present/path_steps.h"
#include "present/relative_names.h"
#include "present/share_sentences.h"
#include "present/solution_schools.h"
#include "present/standing_sentences.h"

namespace qismaru {

namespace {

using enum HeirKind;

bool isAscendant(HeirKind kind) { return kind == HeirKind::Father || kind == HeirKind::Grandfather; }

// Turns each recorded decision about an heir into its step of the solution.
class HeirSteps {
public:
    HeirSteps(const SolutionContext& context, std::vector<SolutionStep>& steps) : c_(context), steps_(steps)
    {
        for (const Decision& s : c_.trace.steps()) {
            if (const auto* counted = std::get_if<decision::Counted>(&s)) counted_ = counted->consanguine;
        }
    }

    void operator()(const decision::Excluded& e)
    {
        // In al-Mu'adda the full siblings count the consanguine ones against
        // the grandfather, then exclude them: their exclusion is told after
        // the counting, as the books tell it ("يعدّه الشقيق على الجد ثم يحجبه").
        const bool countedFirst = counted_.has(e.kind);
        SolutionStep& s =
            add(StepType::Excluded, countedFirst ? StepSection::FatherAndGrandfather : StepSection::Exclusion, e.kind,
                (countedFirst ? "ثم " : "") + excludedSentence(e, c_));
        s.kinds = e.by;
    }
    void operator()(const decision::Fixed& f)
    {
        // The 'Umariyyatan is told with the father, whose share it turns on.
        const bool withFather = isAscendant(f.kind) || f.reason == decision::FixedReason::ThirdOfRemainder;
        SolutionStep& s =
            add(StepType::Fixed, withFather ? StepSection::FatherAndGrandfather : StepSection::FixedShares, f.kind,
                fixedSentence(f, c_));
        s.share = f.share;
        s.basis = basisOf(f);
    }
    void operator()(const decision::Residue& r)
    {
        // Sisters who share the remainder with their brother are told in
        // his step, which names them among those he shares it with.
        if (r.way == decision::ResidueWay::ThroughBrother) return;
        SolutionStep& s =
            add(StepType::Residue, isAscendant(r.kind) ? StepSection::FatherAndGrandfather : StepSection::Residuaries,
                r.kind, residueSentence(r, c_));
        s.kinds = r.with;
    }
    void operator()(const decision::NothingLeft& n)
    {
        add(StepType::NothingLeft, StepSection::Residuaries, n.kind, nothingLeftSentence(n, c_));
    }
    // A lower level of son's daughters, beside the 21 kinds: told with the
    // son's daughters, whose rule it repeats a level down.
    void operator()(const decision::CompletingSixth& sixth)
    {
        SolutionStep& s =
            add(StepType::Fixed, StepSection::FixedShares, SonsDaughters, completingSixthSentence(sixth, c_));
        s.share = sixth.share;
        s.basis = "sunnah";
        if (c_.relatives) s.relatives = c_.relatives->writtenCompletingSixth();
    }
    void operator()(const decision::Increase& i)
    {
        SolutionStep& s = add(StepType::Increase, StepSection::IncreaseOrReturn, Husband, increaseSentence(i, c_));
        setFromTo(s);
    }
    void operator()(const decision::Return& r)
    {
        SolutionStep& s = add(StepType::Return, StepSection::IncreaseOrReturn, Husband, returnSentence(r, c_));
        setFromTo(s);
    }
    void operator()(const decision::GrandfatherOptions& o)
    {
        const KindSet decided = notExcluded(kGrandfatherAndSiblings);
        SolutionStep& s =
            school(StepSection::FatherAndGrandfather, Grandfather, "grandfather", decided, grandfatherSentence(o, c_));
        s.share = o.taken();
    }
    void operator()(const decision::Counted& counted)
    {
        school(StepSection::FatherAndGrandfather, Grandfather, "counted", notExcluded(counted.consanguine),
               countedSentence(counted, c_));
    }
    void operator()(const decision::Akdariyya& a)
    {
        school(StepSection::FatherAndGrandfather, Grandfather, "akdariyya", KindSet{Grandfather, a.sister},
               akdariyyaSentence(a, c_));
    }
    void operator()(const decision::SharedThird& shared)
    {
        school(StepSection::Residuaries, UterineSiblings, "shared_third",
               notExcluded(KindSet{FullBrothers, FullSisters}), sharedThirdSentence(shared, c_));
    }
    void operator()(const decision::NoReturn& n)
    {
        school(StepSection::IncreaseOrReturn, Husband, "no_return", {}, noReturnSentence(n, c_));
    }
    void operator()(const decision::SpouseTakesWhole& whole)
    {
        school(StepSection::IncreaseOrReturn, whole.spouse, "spouse_takes_whole", {},
               spouseTakesWholeSentence(whole, c_));
    }
    // The base and the correction are told once each, from all their records.
    template <typename Other>
    void operator()(const Other&)
    {
    }

private:
    // The entered kinds of the set that no exclusion keeps out.
    KindSet notExcluded(KindSet kinds) const
    {
        KindSet left;
        (kinds & KindSet::enteredIn(c_.counts)).forEach([&](HeirKind kind) {
            if (!c_.wasExcluded(kind)) left.add(kind);
        });
        return left;
    }
    SolutionStep& school(StepSection section, HeirKind kind, std::string_view rule, KindSet decided, std::string text)
    {
        SolutionStep& s = add(StepType::School, section, kind, std::move(text));
        s.rule = rule;
        s.kinds = decided;
        if (c_.relatives) s.relatives = c_.relatives->writtenIn(decided | KindSet::of(kind));
        return s;
    }
    SolutionStep& add(StepType type, StepSection section, HeirKind kind, std::string text)
    {
        SolutionStep& s = steps_.emplace_back();
        s.type = type;
        s.section = section;
        s.kind = kind;
        s.text = std::move(text);
        const bool aboutHeirs = type == StepType::Excluded || type == StepType::Fixed || type == StepType::Residue ||
                                type == StepType::NothingLeft;
        if (c_.relatives && aboutHeirs) s.relatives = c_.relatives->writtenIn(KindSet::of(kind));
        return s;
    }
    void setFromTo(SolutionStep& s) const
    {
        s.from = c_.result().base;
        s.to = increasedOrReducedBaseOf(c_.result());
    }

    const SolutionContext& c_;
    std::vector<SolutionStep>& steps_;
    KindSet counted_;  // the consanguine kinds counted against the grandfather
};

// What every part and the base were divided by after the correction: half
// the head factor of several daughters or sisters alone after a return, or
// a school's reduction by their common factor; 1 when nothing was reduced.
std::int64_t reductionOf(const DecisionTrace& trace)
{
    for (const Decision& s : trace.steps()) {
        if (std::holds_alternative<decision::Halving>(s)) return 2;
        if (const auto* reduction = std::get_if<decision::Reduction>(&s)) return reduction->by;
    }
    return 1;
}

void addCaseSteps(const SolutionContext& c, std::vector<SolutionStep>& steps)
{
    const CaseResult& r = c.result();
    SolutionStep base = solutionStep(StepType::Base, StepSection::Base, baseSentence(c));
    base.value = r.base;
    steps.push_back(std::move(base));

    if (c.relatives && c.relatives->kindred()) {
        // The spouse's case joined to the kindred's division.
        addKindredCorrection(c, steps);
    } else {
        SolutionStep correction = solutionStep(StepType::Correction, StepSection::Correction, correctionSentence(c));
        correction.reducedBy = reductionOf(c.trace);
        // The correction, a whole number or a half after the halving rule, or a
        // school's multiplier over its reduction, times the reduction is whole.
        correction.factor = std::llround(r.correction * static_cast<double>(correction.reducedBy));
        correction.to = finalBaseOf(r);
        correction.groups = correctionGroups(c);
        steps.push_back(std::move(correction));
    }

    if (c.relatives) {
        addEntryDivisions(c, steps);
    } else {
        for (const HeirKind kind : readingOrder()) {
            if (partsOf(kind, r) <= 0) continue;
            SolutionStep division = solutionStep(StepType::Division, StepSection::Division, divisionSentence(kind, c));
            division.kind = kind;
            division.value = partsOf(kind, r);
            division.heads = c.counts.of(kind);
            division.perHead = division.value / division.heads;
            steps.push_back(std::move(division));
        }
    }
    for (const CaseMessage message : c.computation.messages) {
        steps.push_back(solutionStep(StepType::Named, StepSection::Division, namedCaseSentence(message)));
    }
    for (std::string& sentence : bookCaseSentences(c.counts, c.computation)) {
        steps.push_back(solutionStep(StepType::Named, StepSection::Division, std::move(sentence)));
    }
}

// Within the exclusion, the fixed shares and the residuaries the heirs come
// in reading order; in the 'Umariyyatan the mother's third of the remainder
// comes before the father's two thirds, and in al-Mu'adda the exclusion of
// the consanguine siblings after their counting; elsewhere steps keep the
// order in which they were decided.
int rankInSection(const SolutionStep& step)
{
    switch (step.section) {
    case StepSection::Exclusion:
        // The distant kindred kept out by an heir after the heirs kept out.
        if (step.ofKindred) return kHeirKindCount;
        [[fallthrough]];
    case StepSection::FixedShares:
    case StepSection::Residuaries: return readingRank(step.kind);
    case StepSection::FatherAndGrandfather:
        if (step.kind == Mother) return 0;
        return step.type == StepType::Excluded ? 2 : 1;
    default: return 0;
    }
}

void orderSteps(std::vector<SolutionStep>& steps)
{
    std::stable_sort(steps.begin(), steps.end(), [](const SolutionStep& a, const SolutionStep& b) {
        if (a.section != b.section) return a.section < b.section;
        return rankInSection(a) < rankInSection(b);
    });
}

// The steps of the division the context holds, after any already given.
// Where only distant kindred are entered there is no heirs' case to tell.
void addDivisionSteps(const SolutionContext& context, std::vector<SolutionStep>& steps)
{
    HeirSteps heirSteps(context, steps);
    for (const Decision& s : context.trace.steps()) std::visit(heirSteps, s);
    if (!context.relatives || !context.relatives->kindredAlone()) {
        addCaseSteps(context, steps);
    } else if (context.relatives->kindred()) {
        addKindredCorrection(context, steps);
        addEntryDivisions(context, steps);
    }
    orderSteps(steps);
}

}  // namespace

SolutionStep solutionStep(StepType type, StepSection section, std::string text)
{
    SolutionStep s{};
    s.type = type;
    s.section = section;
    s.text = std::move(text);
    return s;
}

std::vector<SolutionStep> solutionSteps(const KindCounts& counts, const CaseComputation& computation,
                                        const DecisionTrace& trace)
{
    std::vector<SolutionStep> steps;
    if (computation.outcome != CaseOutcome::Computed) return steps;
    addDivisionSteps(SolutionContext{counts, computation, trace}, steps);
    return steps;
}

std::vector<SolutionStep> solutionSteps(std::span<const RelativeEntry> entries, const PathComputation& computation,
                                        const DecisionTrace& trace, const KindredTrace& kindredTrace)
{
    std::vector<SolutionStep> steps;
    if (!computation.divided()) return steps;
    const RelativesByKind relatives(entries, computation);
    const SolutionContext context{computation.resolution.capacities.counts, computation.computation, trace, &relatives};
    // Decided before the division, told first within their section.
    addStandingSteps(context, steps);
    addKindredSteps(context, kindredTrace, steps);
    addDivisionSteps(context, steps);
    return steps;
}

std::vector<SolutionStep> solveWithSteps(std::span<const RelativeEntry> entries, const Positions& positions)
{
    DecisionTrace trace;
    KindredTrace kindredTrace;
    const PathComputation computation = computeCase(entries, positions, &trace, &kindredTrace);
    return solutionSteps(entries, computation, trace, kindredTrace);
}

std::vector<SolutionStep> solveWithSteps(const KindCounts& counts, const Positions& positions)
{
    DecisionTrace trace;
    const CaseComputation computation = computeCase(counts, positions, &trace);
    return solutionSteps(counts, computation, trace);
}

std::string_view sectionHeading(StepSection section, const std::vector<SolutionStep>& steps)
{
    switch (section) {
    case StepSection::Exclusion: return "الحجب";
    case StepSection::FixedShares: return "أصحاب الفروض";
    case StepSection::Residuaries: return "العصبة";
    case StepSection::FatherAndGrandfather: return "الأب والجد";
    case StepSection::Base: return "أصل المسألة";
    case StepSection::IncreaseOrReturn: {
        const bool increase =
            std::any_of(steps.begin(), steps.end(), [](const SolutionStep& s) { return s.type == StepType::Increase; });
        return increase ? "العول" : "الرد";
    }
    case StepSection::Kindred: return "ذوو الأرحام";
    case StepSection::Correction: return "التصحيح";
    case StepSection::Division: return "القسمة";
    case StepSection::Estimates: return "التقدير";
    case StepSection::GivenNow: return "ما يعطى الآن";
    case StepSection::Reserve: return "الموقوف";
    case StepSection::DiedTogether: return "الغرقى والهدمى";
    }
    return "";
}

std::string caseHeirsLine(const KindCounts& counts)
{
    std::string line = "الورثة: ";
    bool first = true;
    for (const HeirKind kind : readingOrder()) {
        if (!counts.has(kind)) continue;
        if (!first) line += "، و";
        line += countedHeirs(kind, counts.of(kind));
        first = false;
    }
    return line;
}

std::string caseHeirsLine(std::span<const RelativeEntry> entries)
{
    const bool sexGiven = uterineSexGiven(entries);
    std::string line = "الورثة: ";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) line += "، و";
        line += countedRelatives(entries[i].path, entries[i].count, sexGiven);
        if (!entries[i].label.empty()) line += " (@" + entries[i].label + ")";
    }
    return line;
}

std::string solutionBody(std::string text, const std::vector<SolutionStep>& steps)
{
    text += '\n';
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i == 0 || steps[i].section != steps[i - 1].section) {
            text += '\n';
            text += sectionHeading(steps[i].section, steps);
            text += '\n';
        }
        text += "- ";
        text += steps[i].text;
        text += '\n';
    }
    return text;
}

std::string solutionText(const KindCounts& counts, const std::vector<SolutionStep>& steps)
{
    return solutionBody(caseHeirsLine(counts), steps);
}

std::string solutionText(std::span<const RelativeEntry> entries, const std::vector<SolutionStep>& steps)
{
    return solutionBody(caseHeirsLine(entries), steps);
}

}  // namespace qismaru
