#include "engine/waiting_outcomes.h"

#include <array>

#include "engine/fraction_checked.h"
#include "engine/head_shares.h"
#include "model/case_entry.h"

namespace qismaru {

namespace {

constexpr std::string_view kUnbornPath = "unborn";
constexpr std::string_view kMissingLabel = "missing";
constexpr std::string_view kUnclearLabel = "khuntha";

int unclearCount(const WaitingCase& wait) { return wait.unclear ? wait.unclear->count : 0; }

// The unclear heirs wait for their sex to become clear, and each sex is an
// outcome of its own; otherwise the school settles them within each outcome.
bool unclearWait(const WaitingCase& wait, UnclearRule rule) { return wait.unclear && rule == UnclearRule::Least; }

bool isMan(const OutcomeKey& key, int unclearIndex) { return (key.unclearMen >> unclearIndex & 1u) != 0; }

// The c-th combination of sexes of k unclear heirs, all men first and all
// women last, the later heirs changing first: "male+male", "male+female", ...
std::uint32_t menOfCombination(std::uint32_t c, int k)
{
    std::uint32_t men = 0;
    for (int i = 0; i < k; ++i) {
        if ((c >> (k - 1 - i) & 1u) == 0) men |= 1u << i;
    }
    return men;
}

// A woman of a nephew's or an uncle's line is distant kindred and adds no
// heir here: no kind.
bool addHeads(WaitingCounts& counts, std::optional<HeirKind> kind, int n)
{
    if (!kind || n == 0) return true;
    const int total = counts.of(*kind) + n;
    if (total > kMaxCount) return false;
    counts.set(*kind, total);
    return true;
}

// The case as the outcome has it; nothing where a kind would pass kMaxCount.
std::optional<WaitingCounts> countsOf(const WaitingCase& wait, const OutcomeKey& key)
{
    WaitingCounts counts = wait.counts;
    bool fits = true;
    if (wait.unborn) {
        fits = fits && addHeads(counts, wait.unborn->as.kind, key.males);
        fits = fits && addHeads(counts, wait.unborn->as.asWoman, key.females);
    }
    if (wait.missing && key.alive) fits = fits && addHeads(counts, wait.missing->relation.kind, wait.missing->count);
    for (int i = 0; i < unclearCount(wait); ++i) {
        fits = fits && addHeads(counts, isMan(key, i) ? wait.unclear->as.kind : wait.unclear->as.asWoman, 1);
    }
    if (!fits) return std::nullopt;
    return counts;
}

// The heads a claimant has among the kinds of an outcome's case: two kinds
// for the unborn children (boys and girls), one for everyone else.
struct Heads {
    std::optional<HeirKind> kind;
    int count = 0;
};

std::array<Heads, 2> headsOf(const Claimant& c, int unclearIndex, const WaitingCase& wait, const OutcomeKey& key)
{
    switch (c.role) {
    case ClaimantRole::Present: return {{{c.kind, c.count}, {}}};
    case ClaimantRole::Unborn: return {{{wait.unborn->as.kind, key.males}, {wait.unborn->as.asWoman, key.females}}};
    case ClaimantRole::Missing: return {{{c.kind, key.alive ? c.count : 0}, {}}};
    case ClaimantRole::Unclear: {
        const WaitingRelation& as = wait.unclear->as;
        return {{{isMan(key, unclearIndex) ? std::optional(as.kind) : as.asWoman, 1}, {}}};
    }
    }
    return {};
}

WaitingProblem problemOf(CaseRefusal refusal)
{
    switch (refusal) {
    case CaseRefusal::SchoolRefuses: return WaitingProblem::SchoolRefuses;
    case CaseRefusal::ValidationStop: return WaitingProblem::ValidationStop;
    case CaseRefusal::BeyondExactRange: return WaitingProblem::BeyondExactRange;
    case CaseRefusal::None: break;
    }
    return WaitingProblem::None;
}

// The case an estimate's counts make: read again from an estimate made
// before with the same counts (computeCase gives the same answer to the same
// counts and positions), or computed; not computed without heirs (all goes
// to no heir) nor with more grandmothers than the school lets inherit.
// Returned whole, so that it is built where the estimate keeps it.
CaseComputation computationOf(const WaitingCounts& counts, const Positions& positions, const Estimate* same)
{
    if (same) return same->computation;
    if (counts.empty() || grandmothersBeyondLimit(counts, positions.school)) return {};
    return computeCase(counts, positions);
}

// Each claimant's share: his heads in the outcome times the share of a head.
WaitingProblem claimantShares(const WaitingCase& wait, const std::vector<Claimant>& claimants, const OutcomeKey& key,
                              const HeadShares& heads, Estimate& e)
{
    e.shares.assign(claimants.size(), Fraction{});
    int unclearIndex = 0;
    for (std::size_t i = 0; i < claimants.size(); ++i) {
        const int index = claimants[i].role == ClaimantRole::Unclear ? unclearIndex++ : 0;
        for (const Heads& h : headsOf(claimants[i], index, wait, key)) {
            if (!h.kind || h.count == 0) continue;
            const auto part = checkedProduct(heads.perHead[indexOf(*h.kind)], Fraction::whole(h.count));
            const auto sum = part ? checkedSum(e.shares[i], *part) : std::nullopt;
            if (!sum) return WaitingProblem::BeyondExactRange;
            e.shares[i] = *sum;
        }
    }
    return WaitingProblem::None;
}

// An estimate made before in this division with these counts, in an
// earlier outcome or earlier in this one. Outcomes often make the same case:
// a nephew's or an uncle's daughters add no heir, a uterine brother and
// sister stand alike, and two unclear heirs make one case whichever of them
// is the man.
const Estimate* estimateWith(const WaitingCounts& counts, const std::vector<WaitingOutcome>& earlier,
                             const WaitingOutcome& o)
{
    for (const WaitingOutcome& before : earlier) {
        for (const Estimate& e : before.estimates) {
            if (e.counts.count == counts.count) return &e;
        }
    }
    for (const Estimate& e : o.estimates) {
        if (e.counts.count == counts.count) return &e;
    }
    return nullptr;
}

// The outcome's next estimate, named `name`: its case and each claimant's share.
WaitingProblem divideEstimate(const WaitingCase& wait, const Positions& positions,
                              const std::vector<Claimant>& claimants, const OutcomeKey& key, std::string name,
                              const std::vector<WaitingOutcome>& earlier, WaitingOutcome& o)
{
    const auto counts = countsOf(wait, key);
    if (!counts) {
        o.estimates.emplace_back().name = std::move(name);
        return WaitingProblem::CountOutOfRange;
    }
    const Estimate* same = estimateWith(*counts, earlier, o);
    // Built before it joins the list: `same` may be an estimate of this
    // outcome, which a list grown for the new one would have moved.
    Estimate& e =
        o.estimates.emplace_back(Estimate{std::move(name), *counts, computationOf(*counts, positions, same), {}, {}});
    if (!same && grandmothersBeyondLimit(e.counts, positions.school)) return WaitingProblem::SchoolRefuses;
    HeadShares heads;
    if (const CaseRefusal refusal = sharesOf(e.counts, e.computation, heads); refusal != CaseRefusal::None) {
        return problemOf(refusal);
    }
    e.noHeir = heads.noHeir;
    return claimantShares(wait, claimants, key, heads, e);
}

std::string sexesName(const WaitingCase& wait, const OutcomeKey& key)
{
    std::string name;
    for (int i = 0; i < unclearCount(wait); ++i) {
        if (i > 0) name += '+';
        name += isMan(key, i) ? "male" : "female";
    }
    return name;
}

std::string birthName(const OutcomeKey& key)
{
    if (key.males == 0 && key.females == 0) return "none";
    std::string name;
    if (key.males > 0) name += std::to_string(key.males) + 'm';
    if (key.males > 0 && key.females > 0) name += '+';
    if (key.females > 0) name += std::to_string(key.females) + 'f';
    return name;
}

// One part of an outcome's name, joined to those before it by "+".
void addPart(std::string& name, std::string_view part)
{
    if (!name.empty()) name += '+';
    name += part;
}

// The estimates of the unclear heirs' sexes the school weighs within an
// outcome: one where they wait for their sex (or none is unclear), else the
// two of the worse estimate or every combination of their sexes for the half.
int estimateCount(const WaitingCase& wait, UnclearRule rule)
{
    if (!wait.unclear || rule == UnclearRule::Least) return 1;
    return rule == UnclearRule::Worse ? 2 : 1 << wait.unclear->count;
}

// The key of the outcome's e-th estimate. The Hanafi worse estimate takes
// those of one relation all as men or all as women: they stand alike, and one
// estimate must serve them all.
OutcomeKey estimateKey(const WaitingCase& wait, UnclearRule rule, OutcomeKey key, int e)
{
    if (!wait.unclear || rule == UnclearRule::Least) return key;
    const int k = wait.unclear->count;
    if (rule == UnclearRule::Worse) {
        key.unclearMen = e == 0 ? (1u << k) - 1 : 0;
    } else {
        key.unclearMen = menOfCombination(static_cast<std::uint32_t>(e), k);
    }
    return key;
}

// The worse estimate for the unclear heirs: the least they take together;
// where both give them alike, the woman's, whose share is the certain one.
std::optional<std::size_t> worseEstimate(const WaitingOutcome& o, const std::vector<Claimant>& claimants)
{
    std::vector<Fraction> totals(o.estimates.size());
    for (std::size_t e = 0; e < o.estimates.size(); ++e) {
        for (std::size_t i = 0; i < claimants.size(); ++i) {
            if (claimants[i].role != ClaimantRole::Unclear) continue;
            const auto total = checkedSum(totals[e], o.estimates[e].shares[i]);
            if (!total) return std::nullopt;
            totals[e] = *total;
        }
    }
    std::size_t worse = 0;
    for (std::size_t e = 1; e < totals.size(); ++e) {
        if (!(totals[worse] < totals[e])) worse = e;
    }
    return worse;
}

// Half of the two estimates, or with several unclear heirs the mean of every
// combination of their sexes, for every heir alike.
WaitingProblem meanOfEstimates(WaitingOutcome& o)
{
    const Fraction weight{1, static_cast<std::int64_t>(o.estimates.size())};
    std::optional<Fraction> noHeir = Fraction{};
    std::vector<std::optional<Fraction>> sums(o.estimates.front().shares.size(), Fraction{});
    for (const Estimate& e : o.estimates) {
        for (std::size_t i = 0; i < sums.size(); ++i) sums[i] = sums[i] ? checkedSum(*sums[i], e.shares[i]) : sums[i];
        noHeir = noHeir ? checkedSum(*noHeir, e.noHeir) : noHeir;
    }
    for (const auto& sum : sums) {
        const auto share = sum ? checkedProduct(*sum, weight) : std::nullopt;
        if (!share) return WaitingProblem::BeyondExactRange;
        o.shares.push_back(*share);
    }
    // Halving (or thirding) a part multiplies its denominator, which may pass
    // the exact range although the sum did not.
    const std::optional<Fraction> meanNoHeir = noHeir ? checkedProduct(*noHeir, weight) : std::nullopt;
    if (!meanNoHeir) return WaitingProblem::BeyondExactRange;
    o.noHeir = *meanNoHeir;
    return WaitingProblem::None;
}

// How many claimants the case has, so that their list is made at once.
std::size_t claimantCount(const WaitingCase& wait)
{
    std::size_t n = static_cast<std::size_t>(unclearCount(wait)) + (wait.unborn ? 1 : 0) + (wait.missing ? 1 : 0);
    for (const std::int16_t count : wait.counts.count) n += count > 0 ? 1 : 0;
    return n;
}

}  // namespace

std::vector<Claimant> claimantsOf(const WaitingCase& wait)
{
    std::vector<Claimant> claimants;
    claimants.reserve(claimantCount(wait));
    for (const HeirKindInfo& info : heirKinds()) {
        if (wait.counts.has(info.kind)) {
            claimants.push_back({ClaimantRole::Present, info.kind, wait.counts.of(info.kind), pathOf(info.kind), ""});
        }
    }
    if (wait.unborn) claimants.push_back({ClaimantRole::Unborn, wait.unborn->as.kind, 1, kUnbornPath, ""});
    if (wait.missing) {
        const MissingHeirs& m = *wait.missing;
        claimants.push_back({ClaimantRole::Missing, m.relation.kind, m.count, m.relation.path, kMissingLabel});
    }
    for (int i = 0; i < unclearCount(wait); ++i) {
        claimants.push_back({ClaimantRole::Unclear, wait.unclear->as.kind, 1, wait.unclear->as.path, kUnclearLabel});
    }
    return claimants;
}

std::vector<OutcomeKey> outcomeKeys(const WaitingCase& wait, UnclearRule rule, int children)
{
    std::vector<OutcomeKey> births{OutcomeKey{}};
    // One birth of none, and n + 1 of n children: all boys, all girls, and n - 1 mixtures.
    births.reserve(wait.unborn ? static_cast<std::size_t>(1 + children * (children + 3) / 2) : 1);
    for (int n = 1; wait.unborn && n <= children; ++n) {
        births.push_back({n, 0});
        births.push_back({0, n});
        for (int m = n - 1; m >= 1; --m) births.push_back({m, n - m});
    }
    const int sexes = unclearWait(wait, rule) ? 1 << wait.unclear->count : 1;
    std::vector<OutcomeKey> keys;
    keys.reserve(births.size() * (wait.missing ? 2 : 1) * static_cast<std::size_t>(sexes));
    for (const OutcomeKey& birth : births) {
        for (const bool alive : {true, false}) {
            if (!alive && !wait.missing) continue;
            for (int c = 0; c < sexes; ++c) {
                const std::uint32_t men =
                    sexes > 1 ? menOfCombination(static_cast<std::uint32_t>(c), wait.unclear->count) : 0;
                keys.push_back({birth.males, birth.females, alive && wait.missing, men});
            }
        }
    }
    return keys;
}

std::string outcomeName(const WaitingCase& wait, UnclearRule rule, const OutcomeKey& key)
{
    std::string name;
    if (wait.unborn) addPart(name, birthName(key));
    if (wait.missing) addPart(name, key.alive ? "alive" : "dead");
    if (unclearWait(wait, rule)) addPart(name, sexesName(wait, key));
    return name;
}

WaitingOutcome divideOutcome(const WaitingCase& wait, const Positions& positions, UnclearRule rule,
                             const std::vector<Claimant>& claimants, const OutcomeKey& key,
                             const std::vector<WaitingOutcome>& earlier, WaitingProblem& problem)
{
    WaitingOutcome o;
    o.name = outcomeName(wait, rule, key);
    o.key = key;
    const int estimates = estimateCount(wait, rule);
    // Reserved whole: an estimate holds a whole computed case, too large to move as the list grows.
    o.estimates.reserve(static_cast<std::size_t>(estimates));
    for (int i = 0; i < estimates; ++i) {
        const OutcomeKey estimated = estimateKey(wait, rule, key, i);
        std::string name = estimates > 1 ? sexesName(wait, estimated) : std::string();
        problem = divideEstimate(wait, positions, claimants, estimated, std::move(name), earlier, o);
        if (problem != WaitingProblem::None) return o;
    }
    if (estimates == 1) {
        o.shares = o.estimates.front().shares;
        o.noHeir = o.estimates.front().noHeir;
    } else if (rule == UnclearRule::Worse) {
        const auto worse = worseEstimate(o, claimants);
        if (!worse) {
            problem = WaitingProblem::BeyondExactRange;
            return o;
        }
        o.applied = static_cast<int>(*worse);
        o.shares = o.estimates[*worse].shares;
        o.noHeir = o.estimates[*worse].noHeir;
    } else {
        problem = meanOfEstimates(o);
    }
    return o;
}

}  // namespace qismaru
