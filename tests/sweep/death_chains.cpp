#include "tests/sweep/death_chains.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

#include "engine/combined_base.h"
#include "engine/kind_groups.h"
#include "estate/combined_settlement.h"
#include "model/case_entry.h"
#include "tests/support/case_text.h"

namespace qismaru::sweep {

namespace {

using enum HeirKind;

mpq_class fraction(std::int64_t n, std::int64_t d)
{
    mpq_class q(mpz_class(static_cast<long>(n)), mpz_class(static_cast<long>(d)));
    q.canonicalize();
    return q;
}

// Whether every school lets these grandmothers inherit together (at most
// two, and one beside the father), so that a chain is answered by each.
bool everySchoolAdmits(const KindCounts& counts)
{
    for (const SchoolInfo& school : kSchools) {
        if (grandmothersBeyondLimit(counts, school.school)) return false;
    }
    return true;
}

// A few kinds with one to three heirs (the grandmothers as every school
// admits them), never the husband beside wives, never the spouse a deceased
// of that side cannot leave.
KindCounts randomHeirs(std::mt19937_64& random, SpouseSide side)
{
    KindCounts counts;
    const int kinds = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < kinds; ++k) {
        const HeirKind kind = kindAt(static_cast<int>(random() % kHeirKindCount));
        if ((kind == Husband && side == SpouseSide::Man) || (kind == Wives && side == SpouseSide::Woman)) continue;
        if ((kind == Husband && counts.has(Wives)) || (kind == Wives && counts.has(Husband))) continue;
        const int most = infoOf(kind).entry == EntryKind::Single ? 1 : 3;
        counts.set(kind, 1 + static_cast<int>(random() % most));
        if (!everySchoolAdmits(counts)) counts.set(kind, 0);
    }
    return counts;
}

bool admits(const KindCounts& counts, HeirKind kind, int count)
{
    if (infoOf(kind).entry == EntryKind::Single) return count == 1;
    if (count > (kind == Wives ? kMaxWives : kMaxCount)) return false;
    KindCounts after = counts;
    after.set(kind, count);
    return everySchoolAdmits(after);
}

GroupRef anyRefOf(std::mt19937_64& random, const PersonGroup& group)
{
    const std::size_t pick = random() % (group.also.size() + 1);
    return pick == 0 ? group.ref : group.also[pick - 1];
}

// One more death: a surviving member of a group with parts dies, leaving
// heirs of whom some kinds are, at random, the survivors of earlier groups.
bool drawLaterDeath(std::mt19937_64& random, const CombinedTable& table, LaterDeath& later)
{
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        if (table.groups[i].alive() && table.groups[i].parts > 0) candidates.push_back(i);
    }
    if (candidates.empty()) return false;
    const std::size_t deceased = candidates[random() % candidates.size()];
    const PersonGroup& dying = table.groups[deceased];
    later.deceased = anyRefOf(random, dying);
    later.counts = randomHeirs(random, spouseSideOf(later.deceased.kind));
    if (later.counts.empty()) later.counts.set(Mother, 1);
    std::vector<std::size_t> linked;
    KindSet::enteredIn(later.counts).forEach([&](HeirKind kind) {
        if (random() % 2 == 0) return;
        const std::size_t g = random() % table.groups.size();
        const PersonGroup& group = table.groups[g];
        const int survivors = group.count - (g == deceased ? 1 : 0);
        if (!group.alive() || survivors == 0 || !admits(later.counts, kind, survivors)) return;
        if (otherSexRef(group, kind)) return;  // persons of one sex are no heirs of a kind of the other
        if (std::find(linked.begin(), linked.end(), g) != linked.end()) return;
        linked.push_back(g);
        later.counts.set(kind, survivors);
        later.same.push_back({kind, anyRefOf(random, group)});
    });
    return true;
}

// The independent reckoning: each group's share of the first estate, in
// rationals, from the single cases alone.
struct Share {
    std::vector<GroupRef> refs;
    int count = 0;
    mpq_class estate;
    bool dead = false;
};

// The index of the surviving group a reference names, or -1.
int findAlive(const std::vector<Share>& shares, GroupRef ref)
{
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const Share& s = shares[i];
        if (!s.dead && std::find(s.refs.begin(), s.refs.end(), ref) != s.refs.end()) return static_cast<int>(i);
    }
    return -1;
}

void addHeirs(std::vector<Share>& shares, const DeathCase& dc, int death, const mpq_class& estate,
              const LaterDeath* later, mpq_class& undistributed)
{
    const CaseResult& r = dc.computation.result;
    std::array<int, kHeirKindCount> linked;
    linked.fill(-1);
    if (later) {
        for (const SameLink& link : later->same) linked[indexOf(link.kind)] = findAlive(shares, link.earlier);
    }
    mpq_class given = 0;
    KindSet::enteredIn(dc.counts).forEach([&](HeirKind kind) {
        const mpq_class part = fraction(r.parts[indexOf(kind)], r.finalBase) * estate;
        given += part;
        if (const int i = linked[indexOf(kind)]; i >= 0) {
            shares[static_cast<std::size_t>(i)].estate += part;
            shares[static_cast<std::size_t>(i)].refs.push_back({death, kind});
        } else {
            shares.push_back({{{death, kind}}, dc.counts.of(kind), part, false});
        }
    });
    undistributed += estate - given;
}

std::string chainText(const KindCounts& first, const std::vector<LaterDeath>& later)
{
    std::string text = testing::textOf(first);
    for (const LaterDeath& death : later) {
        text += " | ";
        text += refText(death.deceased) + " leaves " + testing::textOf(death.counts);
        for (const SameLink& link : death.same) {
            text += ' ';
            text += infoOf(link.kind).code;
            text += '=';
            text += refText(link.earlier);
        }
    }
    return text;
}

std::string disagreement(const CombinedComputation& c, const std::vector<LaterDeath>& later)
{
    std::vector<Share> shares;
    mpq_class undistributed = 0;
    addHeirs(shares, c.deaths[0], 1, mpq_class(1), nullptr, undistributed);
    for (std::size_t i = 0; i < later.size(); ++i) {
        const int index = findAlive(shares, later[i].deceased);
        if (index < 0) return "the deceased of death " + std::to_string(i + 2) + " is no surviving group";
        Share& dying = shares[static_cast<std::size_t>(index)];
        const mpq_class estate = dying.estate / dying.count;
        dying.estate -= estate;
        dying.dead = --dying.count == 0;
        addHeirs(shares, c.deaths[i + 1], static_cast<int>(i) + 2, estate, &later[i], undistributed);
    }
    const CombinedTable& t = c.table;
    mpq_class total = fraction(t.undistributed, t.base);
    if (total != undistributed) return "what no heir takes is " + total.get_str() + ", not " + undistributed.get_str();
    for (std::size_t row = 0; row < t.groups.size(); ++row) {
        const PersonGroup& g = t.groups[row];
        if (!g.alive()) continue;
        const std::string name = refText(g.ref);
        if (g.parts % g.count != 0)
            return name + ": " + std::to_string(g.parts) + " parts for " + std::to_string(g.count);
        std::int64_t columns = 0;
        for (std::size_t d = 0; d < t.deathCount(); ++d) columns += t.casePart(row, d) * t.multipliers[d];
        if (columns != g.parts * t.reducedBy) return name + ": the columns give " + std::to_string(columns);
        std::vector<GroupRef> refs{g.ref};
        refs.insert(refs.end(), g.also.begin(), g.also.end());
        const auto same = std::find_if(shares.begin(), shares.end(),
                                       [&](const Share& s) { return !s.dead && s.refs == refs && s.count == g.count; });
        if (same == shares.end()) return name + ": no such group in the independent reckoning";
        const mpq_class shown = fraction(g.parts, t.base);
        if (shown != same->estate) return name + " has " + shown.get_str() + ", exactly " + same->estate.get_str();
        total += shown;
    }
    if (total != 1) return "the shares add up to " + total.get_str();
    // In its least figures: nothing but 1 divides the base, what no heir takes and every person's parts.
    std::int64_t common = std::gcd(t.base, t.undistributed);
    for (const PersonGroup& g : t.groups) {
        if (g.alive() && g.parts > 0) common = std::gcd(common, g.parts / g.count);
    }
    if (common != 1)
        return "the combined base " + std::to_string(t.base) + " is not reduced by " + std::to_string(common);
    return "";
}

// The estate settled by the combined table: exact amounts sum to the net,
// rounded ones with what no heir takes and the rounding difference too.
std::string settlementProblem(const CombinedTable& table)
{
    estate::EstateInputs in;
    in.gross = 98765432107;  // 987,654,321.07: no base divides it
    const estate::CombinedSettlement s = estate::settleCombined(in, table);
    mpq_class exact(estate::exactText(s.undistributedExact));
    mpz_class rounded(estate::decimalText(s.undistributed + s.roundingDifference));
    for (const estate::GroupAmount& a : s.groups) {
        exact += mpq_class(estate::exactText(a.exact));
        rounded += mpz_class(estate::decimalText(a.amount));
    }
    if (exact != mpq_class(mpz_class(98765432107), mpz_class(100)))
        return "the exact amounts add up to " + exact.get_str();
    if (rounded != mpz_class(estate::decimalText(s.claims.net))) return "the rounded amounts do not reconcile";
    return "";
}

}  // namespace

ChainReport checkDeathChains(std::int64_t wanted, std::uint64_t seed)
{
    ChainReport report;
    std::mt19937_64 random(seed);
    using enum School;
    // Every school, and the two positions that change what no heir takes.
    const Positions choices[] = {{Hanafi}, {Maliki}, {Shafii}, {Hanbali}, {Hanafi, true, false}, {Maliki, false, true}};
    while (report.checked < wanted) {
        const Positions positions = choices[random() % std::size(choices)];
        const KindCounts first = randomHeirs(random, SpouseSide::Either);
        if (first.empty()) continue;
        std::vector<LaterDeath> later;
        CombinedComputation c = computeSuccessiveDeaths(first, later, positions);
        if (c.refusal.refused()) continue;
        const int deaths = 1 + static_cast<int>(random() % 3);
        for (int d = 0; d < deaths && !c.refusal.refused(); ++d) {
            LaterDeath next;
            if (!drawLaterDeath(random, c.table, next)) break;
            later.push_back(std::move(next));
            c = computeSuccessiveDeaths(first, later, positions);
        }
        std::string problem;
        const DeathsProblem refused = c.refusal.problem;
        if (refused == DeathsProblem::CombinedBeyondExactRange || refused == DeathsProblem::CaseBeyondExactRange) {
            ++report.beyond;
            continue;
        }
        if (c.refusal.refused()) {
            problem = "refused at death " + std::to_string(c.refusal.death);
        } else {
            ++report.checked;
            report.deaths += static_cast<std::int64_t>(later.size());
            problem = disagreement(c, later);
            if (problem.empty()) problem = settlementProblem(c.table);
        }
        if (problem.empty()) continue;
        ++report.findingCount;
        if (report.findings.size() < 20) report.findings.push_back(chainText(first, later) + ": " + problem);
    }
    return report;
}

}  // namespace qismaru::sweep
