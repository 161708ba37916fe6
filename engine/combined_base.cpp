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

// Per row of a later death: the index of the group its heirs are, or -1
// when they are persons not met before.
using LinkedGroups = std::vector<int>;

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

bool hasRow(const std::vector<DeathRow>& rows, const GroupRef& ref)
{
    return std::any_of(rows.begin(), rows.end(), [&ref](const DeathRow& row) { return row.ref == ref; });
}

DeathsRefusal spouseSideRefusal(const LaterDeath& later, const std::vector<DeathRow>& rows, int death)
{
    for (const HeirKind spouse : {HeirKind::Husband, HeirKind::Wives}) {
        const DeathsProblem problem = spouseSideProblem(later.deceased, spouse);
        if (problem != None && hasRow(rows, {death, spouse})) return refusedAt(problem, death, later.deceased, spouse);
    }
    return {};
}

DeathsRefusal linkRefusal(DeathsProblem problem, int death, const GroupRef& ref, const SameLink& link)
{
    DeathsRefusal r = refusedAt(problem, death, ref, link.kind);
    r.linkedHeirs = link.heirsAt(death);
    return r;
}

DeathsRefusal resolveLinks(const CombinedTable& table, const LaterDeath& later, const std::vector<DeathRow>& rows,
                           int death, int deceased, LinkedGroups& linked)
{
    linked.assign(rows.size(), -1);
    for (const SameLink& link : later.same) {
        const GroupRef heirs = link.heirsAt(death);
        const auto row = std::find_if(rows.begin(), rows.end(), [&heirs](const DeathRow& r) { return r.ref == heirs; });
        if (row == rows.end()) return linkRefusal(LinkedKindAbsent, death, link.earlier, link);
        int& linkedTo = linked[static_cast<std::size_t>(row - rows.begin())];
        if (linkedTo >= 0) return linkRefusal(LinkedTwice, death, link.earlier, link);
        int index = -1;
        if (DeathsRefusal r = resolve(table, link.earlier, death, index); r.refused()) {
            r.kind = link.kind;
            r.linkedHeirs = heirs;
            return r;
        }
        if (const auto other = otherSexRef(table.groups[static_cast<std::size_t>(index)], heirs)) {
            return linkRefusal(OtherSex, death, *other, link);
        }
        if (std::find(linked.begin(), linked.end(), index) != linked.end()) {
            return linkRefusal(LinkedTwice, death, link.earlier, link);
        }
        const int survivors = table.groups[static_cast<std::size_t>(index)].count - (index == deceased ? 1 : 0);
        if (survivors == 0) return linkRefusal(DeceasedLinked, death, link.earlier, link);
        if (survivors != row->count) {
            DeathsRefusal r = linkRefusal(CountDiffers, death, link.earlier, link);
            r.heirs = row->count;
            r.survivors = survivors;
            return r;
        }
        linkedTo = index;
    }
    return {};
}

// A death's own case must have been divided, and by a school that admits it.
DeathsRefusal caseProblem(const DeathCase& dc, int death)
{
    if (dc.byPath && dc.byPath->refused()) return refusedAt(PathsRefused, death);
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
    const std::int64_t base = first.correctedBase();
    table.base = base;
    table.caseBases.push_back(base);
    table.multipliers.push_back(1);
    std::int64_t given = 0;
    for (DeathRow& row : rowsOf(first, 1)) {
        table.addGroup({std::move(row.ref), {}, row.count, row.parts, 0});
        table.setCasePart(table.groups.size() - 1, 0, row.parts);
        given += row.parts;
    }
    table.undistributed = base - given;
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
void addLaterHeirs(CombinedTable& table, const std::vector<DeathRow>& rows, const LinkedGroups& linked,
                   const JoinStep& step)
{
    const auto d = static_cast<std::size_t>(step.death - 1);
    std::int64_t given = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DeathRow& heirs = rows[i];
        given += heirs.parts;
        std::size_t row = 0;
        if (const int index = linked[i]; index >= 0) {
            row = static_cast<std::size_t>(index);
            table.groups[row].also.push_back(heirs.ref);
        } else {
            table.addGroup({heirs.ref, {}, heirs.count, 0, 0});
            row = table.groups.size() - 1;
        }
        table.setCasePart(row, d, heirs.parts);
        table.groups[row].parts += heirs.parts * step.caseMultiplier;
    }
    table.undistributed += (step.caseBase - given) * step.caseMultiplier;
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
    if (!dc.hasHeirs()) return refusedAt(NoHeirs, death);
    int deceased = -1;
    if (DeathsRefusal r = resolve(table, later.deceased, death, deceased); r.refused()) return r;
    const std::vector<DeathRow> rows = rowsOf(dc, death);
    if (DeathsRefusal r = spouseSideRefusal(later, rows, death); r.refused()) return r;
    LinkedGroups linked;
    if (DeathsRefusal r = resolveLinks(table, later, rows, death, deceased, linked); r.refused()) return r;
    if (DeathsRefusal r = caseProblem(dc, death); r.refused()) return r;

    const PersonGroup& group = table.groups[static_cast<std::size_t>(deceased)];
    JoinStep step;
    step.death = death;
    step.deceasedParts = group.parts / group.count;
    if (step.deceasedParts == 0) return refusedAt(NeverInherited, death, later.deceased);
    step.caseBase = dc.correctedBase();
    step.commonFactor = std::gcd(step.deceasedParts, step.caseBase);
    step.relation = relationOf(step.deceasedParts, step.caseBase, step.commonFactor);
    step.earlierMultiplier = step.caseBase / step.commonFactor;
    step.caseMultiplier = step.deceasedParts / step.commonFactor;
    step.baseBefore = table.base;
    step.baseAfter = detail::boundedProduct(table.base, step.earlierMultiplier);
    if (step.baseAfter > kMaxExactWhole) return refusedAt(CombinedBeyondExactRange, death);

    passOnDeceasedParts(table, static_cast<std::size_t>(deceased), step);
    addLaterHeirs(table, rows, linked, step);
    table.base = step.baseAfter;
    table.caseBases.push_back(step.caseBase);
    table.multipliers.push_back(step.caseMultiplier);
    table.joins.push_back(step);
    return {};
}

}  // namespace

DeathsProblem spouseSideProblem(HeirKind deceasedKind, HeirKind heir)
{
    return spouseSideProblem({1, deceasedKind}, heir);
}

DeathsProblem spouseSideProblem(const GroupRef& deceased, HeirKind heir)
{
    const SpouseSide side = sideOf(deceased);
    if (heir == HeirKind::Husband && side == SpouseSide::Man) return HusbandOfMan;
    if (heir == HeirKind::Wives && side == SpouseSide::Woman) return WivesOfWoman;
    return None;
}

std::optional<GroupRef> otherSexRef(const PersonGroup& group, HeirKind kind) { return otherSexRef(group, {1, kind}); }

std::optional<GroupRef> otherSexRef(const PersonGroup& group, const GroupRef& heirs)
{
    const SpouseSide side = sideOf(heirs);
    const auto differs = [side](const GroupRef& r) {
        const SpouseSide other = sideOf(r);
        return side != SpouseSide::Either && other != SpouseSide::Either && side != other;
    };
    if (differs(group.ref)) return group.ref;
    for (const GroupRef& r : group.also) {
        if (differs(r)) return r;
    }
    return std::nullopt;
}

std::vector<DeathRow> rowsOf(const DeathCase& dc, int death)
{
    std::vector<DeathRow> rows;
    if (dc.byPath) {
        const bool divided = dc.byPath->divided();
        for (std::size_t i = 0; i < dc.relatives.size(); ++i) {
            const RelativeEntry& entry = dc.relatives[i];
            const std::int64_t parts = divided ? shareOf(*dc.byPath, dc.relatives, i).parts : 0;
            rows.push_back({refOfEntry(death, entry), entry.count, parts});
        }
        return rows;
    }
    const CaseResult& r = dc.computation.result;
    for (const HeirKindInfo& info : heirKinds()) {
        if (dc.counts.has(info.kind))
            rows.push_back({{death, info.kind}, dc.counts.of(info.kind), r.parts[indexOf(info.kind)]});
    }
    return rows;
}

int countOf(const DeathCase& dc, const GroupRef& ref)
{
    if (!dc.byPath) return ref.byPath() ? 0 : dc.counts.of(ref.kind);
    for (const RelativeEntry& entry : dc.relatives) {
        if (refOfEntry(ref.death, entry) == ref) return entry.count;
    }
    return 0;
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
    if (!deaths.front().hasHeirs()) return refusedAt(NoHeirs, 1);
    if (DeathsRefusal r = caseProblem(deaths.front(), 1); r.refused()) return r;
    // At most a group per kind of each death and one per deceased: reserved
    // once, the table is built without moving it.
    std::size_t groups = later.size();
    for (const DeathCase& death : deaths) {
        groups +=
            death.byPath ? death.relatives.size() : static_cast<std::size_t>(KindSet::enteredIn(death.counts).size());
    }
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

DeathCase deathCaseOf(std::span<const RelativeEntry> relatives, const Positions& positions, DecisionTrace* trace,
                      KindredTrace* kindredTrace)
{
    DeathCase dc;
    dc.relatives.assign(relatives.begin(), relatives.end());
    dc.byPath = computeCase(relatives, positions, trace, kindredTrace);
    dc.computation = dc.byPath->computation;
    return dc;
}

namespace {

CombinedComputation joinAfter(DeathCase first, const std::vector<LaterDeath>& later, const Positions& positions)
{
    CombinedComputation c;
    c.deaths.reserve(later.size() + 1);
    c.deaths.push_back(std::move(first));
    for (const LaterDeath& death : later) {
        c.deaths.push_back(death.byPath() ? deathCaseOf(death.relatives, positions)
                                          : deathCaseOf(death.counts, positions));
    }
    c.refusal = combineDeaths(c.deaths, later, c.table);
    return c;
}

}  // namespace

CombinedComputation computeSuccessiveDeaths(const KindCounts& first, const std::vector<LaterDeath>& later,
                                            const Positions& positions)
{
    return joinAfter(deathCaseOf(first, positions), later, positions);
}

CombinedComputation computeSuccessiveDeaths(std::span<const RelativeEntry> first, const std::vector<LaterDeath>& later,
                                            const Positions& positions)
{
    return joinAfter(deathCaseOf(first, positions), later, positions);
}

}  // namespace qismaru
