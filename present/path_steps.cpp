#include "present/path_steps.h"

#include <algorithm>

#include "present/standing_sentences.h"

namespace qismaru {

namespace {

using enum HeirKind;

SolutionStep stepOf(StepType type, StepSection section, std::string text)
{
    SolutionStep s{};
    s.type = type;
    s.section = section;
    s.text = std::move(text);
    return s;
}

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
        SolutionStep s = stepOf(StepType::Excluded, StepSection::Exclusion, std::move(text));
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
    const auto rank = [&](std::size_t i) {
        const Standing& s = relatives.standing(i);
        return readingRank(s.way == StandingWay::CompletesTwoThirds ? SonsDaughters : s.capacity);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
    for (const std::size_t i : order) {
        const RelativeShare share = relatives.shareOf(i);
        if (share.parts <= 0) continue;
        SolutionStep division =
            stepOf(StepType::Division, StepSection::Division, entryDivisionSentence(i, share.parts, c));
        const Standing& s = relatives.standing(i);
        division.kind = s.way == StandingWay::CompletesTwoThirds ? SonsDaughters : s.capacity;
        division.value = share.parts;
        division.heads = entries[i].count;
        division.perHead = share.partsPerHead;
        division.relatives = {relatives.written(i)};
        steps.push_back(std::move(division));
    }
}

}  // namespace qismaru
