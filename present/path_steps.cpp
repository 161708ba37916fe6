#include "present/path_steps.h"

#include <algorithm>

#include "present/kindred_sentences.h"
#include "present/standing_sentences.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The chapter a relative kept out before the division is told in: the
// grandfathers', the grandmothers', the son's line's or the agnates'.
HeirKind chapterOf(const Kinship& k)
{
    switch (k.kind) {
    case KinshipKind::Father: return Grandfather;
    case KinshipKind::Grandmother: return Grandmothers;
    case KinshipKind::Descendant: return k.female ? SonsDaughters : SonsSons;
    default: return FullBrothersSons;
    }
}

}  // namespace

void addStandingSteps(const SolutionContext& c, std::vector<SolutionStep>& steps)
{
    const RelativesByKind& relatives = *c.relatives;
    for (std::size_t i = 0; i < relatives.entries().size(); ++i) {
        std::string text = standingSentence(i, c);
        if (text.empty()) continue;
        SolutionStep s = solutionStep(StepType::Excluded, StepSection::Exclusion, std::move(text));
        s.kind = chapterOf(relatives.standing(i).kinship);
        s.kinds = relatives.standing(i).byKinds;
        s.relatives = {relatives.written(i)};
        steps.push_back(std::move(s));
    }
}

// The level holding the completing sixth is told with the son's daughters.
void addEntryDivisions(const SolutionContext& c, std::vector<SolutionStep>& steps)
{
    const RelativesByKind& relatives = *c.relatives;
    const std::span<const RelativeEntry> entries = relatives.entries();
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < entries.size(); ++i) order.push_back(i);
    // The distant kindred after the spouse beside them, as entered.
    const auto rank = [&](std::size_t i) {
        const Standing& s = relatives.standing(i);
        if (s.way == StandingWay::Kindred) return kHeirKindCount;
        return readingRank(s.way == StandingWay::CompletesTwoThirds ? SonsDaughters : s.capacity);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
    for (const std::size_t i : order) {
        const RelativeShare share = relatives.shareOf(i);
        if (share.parts <= 0) continue;
        SolutionStep division =
            solutionStep(StepType::Division, StepSection::Division, entryDivisionSentence(i, share, c));
        const Standing& s = relatives.standing(i);
        division.kind = s.way == StandingWay::CompletesTwoThirds ? SonsDaughters : s.capacity;
        division.ofKindred = s.way == StandingWay::Kindred;
        division.value = share.parts;
        division.heads = entries[i].count;
        division.perHead = share.partsPerHead;
        division.relatives = {relatives.written(i)};
        steps.push_back(std::move(division));
    }
}

// The entries a decision about the distant kindred is about, as written.
std::vector<std::string> aboutWhom(const KindredDecision& step, const RelativesByKind& relatives)
{
    std::vector<std::string> written;
    if (const auto* placed = std::get_if<kindred_step::Placed>(&step))
        written.push_back(relatives.written(placed->entry));
    if (const auto* kept = std::get_if<kindred_step::KeptOut>(&step)) written.push_back(relatives.written(kept->entry));
    if (const auto* persons = std::get_if<kindred_step::ByPersons>(&step)) {
        for (const std::size_t i : persons->entries) written.push_back(relatives.written(i));
    }
    if (const auto* passed = std::get_if<kindred_step::Passed>(&step)) {
        for (const kindred_step::Branch& b : passed->to) {
            for (std::size_t i = 0; i < relatives.entries().size(); ++i) {
                const RelativeEntry& e = relatives.entries()[i];
                if (e.path == b.path && e.label == b.label) written.push_back(relatives.written(i));
            }
        }
    }
    if (std::holds_alternative<kindred_step::HeirsFirst>(step)) {
        for (std::size_t i = 0; i < relatives.entries().size(); ++i) {
            if (isDistantKindred(relatives.standing(i).kinship, relatives.computation().computation.positions.school)) {
                written.push_back(relatives.written(i));
            }
        }
    }
    return written;
}

void addKindredSteps(const SolutionContext& c, const KindredTrace& trace, std::vector<SolutionStep>& steps)
{
    const RelativesByKind& relatives = *c.relatives;
    const PathComputation& computation = relatives.computation();
    std::vector<std::string> sentences = kindredSentences(relatives.entries(), computation, trace);
    for (std::size_t k = 0; k < sentences.size(); ++k) {
        const KindredDecision& decided = trace.steps()[k];
        // Beside a spouse the base already says where what is left goes.
        const bool toTreasury = std::holds_alternative<kindred_step::ToTreasury>(decided);
        if (toTreasury && !relatives.kindredAlone()) continue;
        // Kept out by an heir, the kindred are told with the heirs kept out.
        const bool heirsFirst = std::holds_alternative<kindred_step::HeirsFirst>(decided);
        SolutionStep s = solutionStep(StepType::Kindred, heirsFirst ? StepSection::Exclusion : StepSection::Kindred,
                                      std::move(sentences[k]));
        s.ofKindred = true;
        s.relatives = aboutWhom(decided, relatives);
        steps.push_back(std::move(s));
    }
}

// The spouse's case and the kindred's division on one base: the least on
// which every head's part is whole, a multiple of the spouse's base.
void addKindredCorrection(const SolutionContext& c, std::vector<SolutionStep>& steps)
{
    const PathComputation& computation = c.relatives->computation();
    SolutionStep correction =
        solutionStep(StepType::Correction, StepSection::Correction, kindredCorrectionSentence(computation));
    const std::int64_t base = c.relatives->kindredAlone() ? 1 : c.result().adjustedBase;
    correction.to = computation.kindred->correctedBase;
    if (correction.to % base == 0) {
        correction.factor = correction.to / base;
    } else {
        correction.factor = correction.to;
        correction.reducedBy = base;
    }
    correction.ofKindred = true;
    steps.push_back(std::move(correction));
}

}  // namespace qismaru
