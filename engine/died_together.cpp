#include "engine/died_together.h"

#include <algorithm>
#include <optional>

#include "engine/fraction_checked.h"
#include "engine/head_shares.h"

namespace qismaru {

namespace {

using enum TogetherProblem;

// One of the dead is an heir of another: `who` stands to `of` as `kind`.
struct Link {
    int of = 0;
    int who = 0;
    HeirKind kind = HeirKind::Sons;
};

int indexNamed(const DiedTogether& t, const std::string& name)
{
    const auto at =
        std::find_if(t.deaths.begin(), t.deaths.end(), [&name](const TogetherDeath& d) { return d.name == name; });
    return at == t.deaths.end() ? -1 : static_cast<int>(at - t.deaths.begin());
}

TogetherRefusal namesProblem(const DiedTogether& t)
{
    if (t.deaths.size() < 2) return {TooFewDeaths};
    for (std::size_t i = 0; i < t.deaths.size(); ++i) {
        const int at = static_cast<int>(i);
        if (t.deaths[i].name.empty()) return {NameMissing, at};
        if (indexNamed(t, t.deaths[i].name) != at) return {NameTwice, at};
    }
    return {};
}

TogetherRefusal linksOf(const DiedTogether& t, std::vector<Link>& links)
{
    for (const TogetherRelation& relation : t.relations) {
        const int of = indexNamed(t, relation.of);
        const int who = indexNamed(t, relation.who);
        if (of < 0 || who < 0) return {UnknownName, of};
        if (of == who) return {OwnRelation, of};
        const auto named = relationNamed(relation.path);
        if (!named) return {UnknownRelation, of};
        const bool twice =
            std::any_of(links.begin(), links.end(), [&](const Link& l) { return l.of == of && l.who == who; });
        if (twice) return {RelationTwice, of};
        links.push_back({of, who, named->kind});
    }
    return {};
}

// His living heirs with those who died with him and are his heirs beside
// them. The relations are checked under every school, so that one case reads
// the same whichever school answers it; they are added where the dead inherit.
TogetherRefusal estateCounts(const DiedTogether& t, int death, const std::vector<Link>& links, bool mutual,
                             WaitingCounts& counts)
{
    WaitingCounts all = t.deaths[static_cast<std::size_t>(death)].counts;
    for (const Link& link : links) {
        if (link.of != death) continue;
        if (infoOf(link.kind).entry == EntryKind::Single && all.has(link.kind)) return {SingleKindTaken, death};
        if (all.of(link.kind) + 1 > kMaxCount) return {CountOutOfRange, death};
        all.set(link.kind, all.of(link.kind) + 1);
    }
    counts = mutual ? all : t.deaths[static_cast<std::size_t>(death)].counts;
    return {};
}

TogetherProblem problemOf(CaseRefusal refusal)
{
    switch (refusal) {
    case CaseRefusal::SchoolRefuses: return SchoolRefuses;
    case CaseRefusal::ValidationStop: return ValidationStop;
    case CaseRefusal::BeyondExactRange: return BeyondExactRange;
    case CaseRefusal::None: break;
    }
    return None;
}

// The living heirs' rows of a divided case, each kind together, scaled by
// `portion` (the whole estate, or what one of the dead passes on).
std::optional<std::vector<TogetherHeir>> livingHeirs(const WaitingCounts& living, const HeadShares& shares,
                                                     Fraction portion)
{
    std::vector<TogetherHeir> heirs;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!living.has(info.kind)) continue;
        const auto kindShare =
            checkedProduct(shares.perHead[indexOf(info.kind)], Fraction::whole(living.of(info.kind)));
        const auto fraction = kindShare ? checkedProduct(*kindShare, portion) : std::nullopt;
        if (!fraction) return std::nullopt;
        heirs.push_back({-1, info.kind, living.of(info.kind), *fraction});
    }
    return heirs;
}

struct Divided {
    CaseComputation computation;
    HeadShares shares;
};

// One death's own property among his heirs, and each dead heir's part passed
// on to that one's living heirs.
TogetherProblem divideEstate(const DiedTogether& t, int death, const std::vector<Link>& links,
                             const std::vector<Divided>& living, const Positions& positions, bool mutual,
                             TogetherEstate& estate)
{
    HeadShares shares;
    const CaseRefusal refusal = divideForShares(estate.counts, positions, estate.computation, shares);
    if (refusal != CaseRefusal::None) return problemOf(refusal);
    estate.noHeir = shares.noHeir;
    const auto heirs = livingHeirs(t.deaths[static_cast<std::size_t>(death)].counts, shares, Fraction::whole(1));
    if (!heirs) return BeyondExactRange;
    estate.heirs = *heirs;
    for (const Link& link : links) {
        if (link.of != death || !mutual) continue;
        const Fraction portion = shares.perHead[indexOf(link.kind)];
        estate.heirs.push_back({link.who, link.kind, 1, portion});
        if (portion.isZero()) continue;
        const Divided& his = living[static_cast<std::size_t>(link.who)];
        const auto passed = livingHeirs(t.deaths[static_cast<std::size_t>(link.who)].counts, his.shares, portion);
        const auto noHeir = checkedProduct(his.shares.noHeir, portion);
        if (!passed || !noHeir) return BeyondExactRange;
        estate.passedOn.push_back({link.who, portion, *passed, *noHeir});
    }
    return None;
}

}  // namespace

TogetherDivision divideDiedTogether(const DiedTogether& together, const Positions& positions)
{
    TogetherDivision division;
    division.mutual = inheritFromOneAnother(positions.school, together.heirsDispute);
    std::vector<Link> links;
    division.refusal = namesProblem(together);
    if (!division.refusal.refused()) division.refusal = linksOf(together, links);
    if (division.refusal.refused()) return division;

    const int deaths = static_cast<int>(together.deaths.size());
    division.estates.resize(together.deaths.size());
    for (int d = 0; d < deaths; ++d) {
        TogetherEstate& estate = division.estates[static_cast<std::size_t>(d)];
        division.refusal = estateCounts(together, d, links, division.mutual, estate.counts);
        if (division.refusal.refused()) return division;
    }
    // What each inherits passes to his living heirs only, by his case without the others.
    std::vector<Divided> living(together.deaths.size());
    for (int d = 0; division.mutual && d < deaths; ++d) {
        Divided& his = living[static_cast<std::size_t>(d)];
        const CaseRefusal refusal = divideForShares(together.deaths[static_cast<std::size_t>(d)].counts, positions,
                                                    his.computation, his.shares);
        if (refusal != CaseRefusal::None) {
            division.refusal = {problemOf(refusal), d};
            return division;
        }
    }
    for (int d = 0; d < deaths; ++d) {
        const TogetherProblem problem = divideEstate(together, d, links, living, positions, division.mutual,
                                                     division.estates[static_cast<std::size_t>(d)]);
        if (problem != None) {
            division.refusal = {problem, d};
            return division;
        }
    }
    return division;
}

}  // namespace qismaru
