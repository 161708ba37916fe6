#include "engine/combined_base.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

#include "engine/kind_groups.h"
#include "engine/whole_numbers.h"
#include "model/case_entry.h"
#include "model/kind_set.h"

namespace qismaru {

namespace {

using enum DeathsProblem;

// Per heir kind of a later death: the index of the group its heirs are, or
// -1 when they are persons not met before.
using LinkedGroups = std::array<int, kHeirKindCount>;

DeathsRefusal refusedAt(DeathsProblem problem, int death, GroupRef ref = {}, HeirKind kind = HeirKind::Husband)
{
    DeathsRefusal refusal;
    refusal.problem = problem;
    refusal.death = death;
    refusal.ref = ref;
    refusal.kind = kind;
    return refusal;
}

// The group of surviving persons a reference names at a death, or why there
// is none: a reference always means the members still alive.
DeathsRefusal resolve(const CombinedTable& table, GroupRef ref, int death, int& index)
{
    bool died = false;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        if (!table.groups[i].knownAs(ref)) continue;
        if (table.groups[i].alive()) {
            index = static_cast<int>(i);
            return {};
        }
        died = true;
    }
    return refusedAt(ref.death < death && died ? DeadGroup : UnknownGroup, death, ref);
}

DeathsRefusal spouseSideRefusal(const LaterDeath& later, int death)
{
    for (const HeirKind spouse : {HeirKind::Husband, HeirKind::Wives}) {
        const DeathsProblem problem = spouseSideProblem(later.deceased.kind, spouse);
        if (later.counts.has(spouse) && problem != None) return refusedAt(problem, death, later.deceased, spouse);
    }
    return {};
}

DeathsRefusal resolveLinks(const CombinedTable& table, const LaterDeath& later, int death, int deceased,
                           LinkedGroups& linked)
{
    linked.fill(-1);
    for (const SameLink& link : later.same) {
        if (!later.counts.has(link.kind)) return refusedAt(LinkedKindAbsent, death, link.earlier, link.kind);
        if (linked[indexOf(link.kind)] >= 0) return refusedAt(LinkedTwice, death, link.earlier, link.kind);
        int index = -1;
        if (DeathsRefusal r = resolve(table, link.earlier, death, index); r.refused()) {
            r.kind = link.kind;
            return r;
        }
        if (const auto other = otherSexRef(table.groups[static_cast<std::size_t>(index)], link.kind)) {
            return refusedAt(OtherSex, death, *other, link.kind);
        }
        if (std::find(linked.begin(), linked.end(), index) != linked.end()) {
            return refusedAt(LinkedTwice, death, link.earlier, link.kind);
        }
        const int survivors = table.groups[static_cast<std::size_t>(index)].count - (index == deceased ? 1 : 0);
        if (survivors == 0) return refusedAt(DeceasedLinked, death, link.earlier, link.kind);
        if (survivors != later.counts.of(link.kind)) {
            DeathsRefusal r = refusedAt(CountDiffers, death, link.earlier, link.kind);
            r.heirs = later.counts.of(link.kind);
            r.survivors = survivors;
            return r;
        }
        linked[indexOf(link.kind)] = index;
    }
    return {};
}

// A death's own case must have been divided, and by a school that admits it.
DeathsRefusal caseProblem(const DeathCase& dc, int death)
{
    if (grandmothersBeyondLimit(dc.counts, dc.computation.positions.school)) {
        return refusedAt(SchoolRefuses, death, {}, HeirKind::Grandmothers);
    }
    switch (dc.computation.outcome) {
    case CaseOutcome::ValidationStop: return refusedAt(ValidationStop, death);
    case CaseOutcome::BeyondExactRange: return refusedAt(CaseBeyondExactRange, death);
    case CaseOutcome::Computed: break;
    }
    return {};
}

PartsRelation relationOf(std::int64_t p, std::int64_t b, std::int64_t g)
{
    if (p % b == 0) return PartsRelation::Divides;
    return g > 1 ? PartsRelation::Agrees : PartsRelation::Coprime;
}

// The first death's heirs, each kind a group, excluded kinds too: they may
// be heirs of a later death, as a brother excluded by a son inherits from
// that son.
void startTable(CombinedTable& table, const DeathCase& first)
{
    const CaseResult& r = first.computation.result;
    table.base = r.finalBase;
    table.caseBases.push_back(r.finalBase);
    table.multipliers.push_back(1);
    std::int64_t given = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!first.counts.has(info.kind)) continue;
        const std::int64_t parts = r.parts[indexOf(info.kind)];
        table.addGroup({{1, info.kind}, {}, first.counts.of(info.kind), parts, 0});
        table.setCasePart(table.groups.size() - 1, 0, parts);
        given += parts;
    }
    table.undistributed = r.finalBase - given;
}

// Every part so far times B/g, the deceased's estate taken out of his
// group: he becomes a row of his own, alive no more.
void passOnDeceasedParts(CombinedTable& table, std::size_t deceased, const JoinStep& step)
{
    for (PersonGroup& g : table.groups) g.parts *= step.earlierMultiplier;
    table.undistributed *= step.earlierMultiplier;
    for (std::int64_t& m : table.multipliers) m *= step.earlierMultiplier;

    PersonGroup& group = table.groups[deceased];
    if (group.count == 1) {
        group.parts = 0;
        group.diedAs = step.death;
        return;
    }
    const int count = group.count--;
    group.parts -= step.deceasedParts * step.earlierMultiplier;
    PersonGroup person = group;
    person.count = 1;
    person.parts = 0;
    person.diedAs = step.death;
    table.addGroup(std::move(person));
    const std::size_t row = table.groups.size() - 1;
    const std::vector<CasePart> shares = table.casePartsOf(deceased);
    for (const CasePart& share : shares) {
        const std::int64_t his = share.parts / count;
        table.setCasePart(row, share.death, his);
        table.setCasePart(deceased, share.death, share.parts - his);
    }
}

// The later case's parts, times p/g, to the persons who inherit them.
void addLaterHeirs(CombinedTable& table, const DeathCase& dc, const LinkedGroups& linked, const JoinStep& step)
{
    const CaseResult& r = dc.computation.result;
    const auto d = static_cast<std::size_t>(step.death - 1);
    std::int64_t given = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!dc.counts.has(info.kind)) continue;
        const std::int64_t parts = r.parts[indexOf(info.kind)];
        const GroupRef ref{step.death, info.kind};
        given += parts;
        std::size_t row = 0;
        if (const int index = linked[indexOf(info.kind)]; index >= 0) {
            row = static_cast<std::size_t>(index);
            table.groups[row].also.push_back(ref);
        } else {
            table.addGroup({ref, {}, dc.counts.of(info.kind), 0, 0});
            row = table.groups.size() - 1;
        }
        table.setCasePart(row, d, parts);
        table.groups[row].parts += parts * step.caseMultiplier;
    }
    table.undistributed += (r.finalBase - given) * step.caseMultiplier;
}

// The books' الاختصار: where J, what no heir takes and the parts of every
// living person share a factor, all are divided by it, so that the table
// stands in its least figures, as a single case does. A person's parts,
// not his group's: each head keeps whole parts.
void reduceTable(CombinedTable& table)
{
    std::int64_t common = std::gcd(table.base, table.undistributed);
    for (const PersonGroup& g : table.groups) {
        if (g.alive() && g.parts > 0) common = std::gcd(common, g.parts / g.count);
    }
    if (common <= 1) return;
    table.reducedBy = common;
    table.base /= common;
    table.undistributed /= common;
    for (PersonGroup& g : table.groups) g.parts /= common;
}

DeathsRefusal joinDeath(CombinedTable& table, const DeathCase& dc, const LaterDeath& later, int death)
{
    if (dc.counts.empty()) return refusedAt(NoHeirs, death);
    int deceased = -1;
    if (DeathsRefusal r = resolve(table, later.deceased, death, deceased); r.refused()) return r;
    if (DeathsRefusal r = spouseSideRefusal(later, death); r.refused()) return r;
    LinkedGroups linked{};
    if (DeathsRefusal r = resolveLinks(table, later, death, deceased, linked); r.refused()) return r;
    if (DeathsRefusal r = caseProblem(dc, death); r.refused()) return r;

    const PersonGroup& group = table.groups[static_cast<std::size_t>(deceased)];
    JoinStep step;
    step.death = death;
    step.deceasedParts = group.parts / group.count;
    if (step.deceasedParts == 0) return refusedAt(NeverInherited, death, later.deceased);
    step.caseBase = dc.computation.result.finalBase;
    step.commonFactor = std::gcd(step.deceasedParts, step.caseBase);
    step.relation = relationOf(step.deceasedParts, step.caseBase, step.commonFactor);
    step.earlierMultiplier = step.caseBase / step.commonFactor;
    step.caseMultiplier = step.deceasedParts / step.commonFactor;
    step.baseBefore = table.base;
    step.baseAfter = detail::boundedProduct(table.base, step.earlierMultiplier);
    if (step.baseAfter > kMaxExactWhole) return refusedAt(CombinedBeyondExactRange, death);

    passOnDeceasedParts(table, static_cast<std::size_t>(deceased), step);
    addLaterHeirs(table, dc, linked, step);
    table.base = step.baseAfter;
    table.caseBases.push_back(step.caseBase);
    table.multipliers.push_back(step.caseMultiplier);
    table.joins.push_back(step);
    return {};
}

}  // namespace

DeathsProblem spouseSideProblem(HeirKind deceasedKind, HeirKind heir)
{
    const SpouseSide side = spouseSideOf(deceasedKind);
    if (heir == HeirKind::Husband && side == SpouseSide::Man) return HusbandOfMan;
    if (heir == HeirKind::Wives && side == SpouseSide::Woman) return WivesOfWoman;
    return None;
}

std::optional<GroupRef> otherSexRef(const PersonGroup& group, HeirKind kind)
{
    if (sexesDiffer(kind, group.ref.kind)) return group.ref;
    for (const GroupRef& r : group.also) {
        if (sexesDiffer(kind, r.kind)) return r;
    }
    return std::nullopt;
}

bool PersonGroup::knownAs(GroupRef r) const { return ref == r || std::find(also.begin(), also.end(), r) != also.end(); }

std::int64_t CombinedTable::casePart(std::size_t group, std::size_t death) const
{
    for (const CasePart& part : caseParts[group]) {
        if (part.death == death) return part.parts;
    }
    return 0;
}

void CombinedTable::reserve(std::size_t deathCount, std::size_t groupCount)
{
    deaths = deathCount;
    groups.reserve(groupCount);
    caseParts.reserve(groupCount);
    caseBases.reserve(deathCount);
    multipliers.reserve(deathCount);
}

PersonGroup& CombinedTable::addGroup(PersonGroup group)
{
    caseParts.emplace_back();
    return groups.emplace_back(std::move(group));
}

void CombinedTable::setCasePart(std::size_t group, std::size_t death, std::int64_t parts)
{
    std::vector<CasePart>& row = caseParts[group];
    const auto at = std::find_if(row.begin(), row.end(), [death](const CasePart& p) { return p.death >= death; });
    if (at != row.end() && at->death == death) {
        at->parts = parts;
    } else {
        row.insert(at, {death, parts});
    }
}

DeathsRefusal combineDeaths(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                            CombinedTable& table)
{
    table = {};
    if (later.size() > kMaxLaterDeaths) return refusedAt(TooManyDeaths, static_cast<int>(kMaxLaterDeaths) + 2);
    if (deaths.front().counts.empty()) return refusedAt(NoHeirs, 1);
    if (DeathsRefusal r = caseProblem(deaths.front(), 1); r.refused()) return r;
    // At most a group per kind of each death and one per deceased: reserved
    // once, the table is built without moving it.
    std::size_t groups = later.size();
    for (const DeathCase& death : deaths) groups += static_cast<std::size_t>(KindSet::enteredIn(death.counts).size());
    table.reserve(deaths.size(), groups);
    table.joins.reserve(later.size());
    startTable(table, deaths.front());
    for (std::size_t i = 0; i < later.size(); ++i) {
        const int death = static_cast<int>(i) + 2;
        if (DeathsRefusal r = joinDeath(table, deaths[i + 1], later[i], death); r.refused()) return r;
    }
    if (!later.empty()) reduceTable(table);
    return {};
}

DeathCase deathCaseOf(const KindCounts& counts, const Positions& positions, DecisionTrace* trace)
{
    return DeathCase{counts, counts.empty() ? CaseComputation{} : computeCase(counts, positions, trace)};
}

CombinedComputation computeSuccessiveDeaths(const KindCounts& first, const std::vector<LaterDeath>& later,
                                            const Positions& positions)
{
    CombinedComputation c;
    c.deaths.reserve(later.size() + 1);
    c.deaths.push_back(deathCaseOf(first, positions));
    for (const LaterDeath& death : later) c.deaths.push_back(deathCaseOf(death.counts, positions));
    c.refusal = combineDeaths(c.deaths, later, c.table);
    return c;
}

}  // namespace qismaru
