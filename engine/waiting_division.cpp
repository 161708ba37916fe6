#include "engine/waiting_division.h"

#include <charconv>
#include <tuple>
#include <utility>

#include "engine/fraction_checked.h"
#include "engine/waiting_outcomes.h"

namespace qismaru {

namespace {

using enum WaitingProblem;

WaitingProblem caseProblem(const WaitingCase& wait)
{
    if (!wait.unborn && !wait.missing && !wait.unclear) return NothingWaits;
    if (wait.unborn && !wait.unborn->as.mayBeUnclear) return CannotBeUnclear;
    if (wait.unclear && !wait.unclear->as.mayBeUnclear) return CannotBeUnclear;
    if (wait.unborn && (wait.unborn->most < 0 || wait.unborn->most > kMostChildren)) return CountOutOfRange;
    if (wait.unclear && (wait.unclear->count < 1 || wait.unclear->count > kMostUnclear)) return CountOutOfRange;
    if (wait.missing) {
        const MissingHeirs& m = *wait.missing;
        if (m.count < 1 || m.count > kMaxCount) return CountOutOfRange;
        const bool single = infoOf(m.relation.kind).entry == EntryKind::Single;
        if (single && (m.count > 1 || wait.counts.has(m.relation.kind))) return SingleKindTaken;
    }
    return None;
}

// With `most` the user's number of children is provided for, and an heir
// who shares with them is given his least over that number.
UnbornProvision provisionFor(const WaitingCase& wait, School school)
{
    if (!wait.unborn) return {0, false, false, false};
    UnbornProvision provision = unbornProvision(school);
    if (wait.unborn->most > 0) {
        provision.children = wait.unborn->most;
        provision.noLimit = false;
    }
    return provision;
}

const WaitingOutcome* outcomeWith(const std::vector<WaitingOutcome>& outcomes, const OutcomeKey& key)
{
    for (const WaitingOutcome& o : outcomes) {
        if (o.key == key) return &o;
    }
    return nullptr;
}

// Whether a claimant's share still falls from one child fewer than those
// provided for to all of them, boys or girls, whatever else the outcome has:
// then it falls with every further child, and no number bounds his loss.
bool fallsWithEveryChild(const WaitingDivision& d, std::size_t claimant)
{
    const int n = d.provision.children;
    for (const WaitingOutcome& o : d.outcomes) {
        const bool boys = o.key.males == n && o.key.females == 0;
        const bool girls = o.key.females == n && o.key.males == 0;
        if (!boys && !girls) continue;
        OutcomeKey fewer = o.key;
        (boys ? fewer.males : fewer.females) -= 1;
        const WaitingOutcome* before = outcomeWith(d.outcomes, fewer);
        if (before && o.shares[claimant] < before->shares[claimant]) return true;
    }
    return false;
}

GivenBasis basisOf(const WaitingDivision& d, std::size_t claimant, const WaitingCase& wait)
{
    const ClaimantRole role = d.claimants[claimant].role;
    if (d.atOnce()) return GivenBasis::AtOnce;
    if (role == ClaimantRole::Unborn || role == ClaimantRole::Missing) return GivenBasis::Absent;
    if (d.provision.waitsForBirth && !wait.certainAsked) return GivenBasis::BirthAwaited;
    if (d.provision.noLimit && fallsWithEveryChild(d, claimant)) return GivenBasis::SharesWithUnborn;
    return GivenBasis::Least;
}

// The least of one claimant's shares (or of what goes to no heir, for
// claimant -1) over the outcomes, and the first outcome that gives it.
std::pair<Fraction, int> leastOver(const std::vector<WaitingOutcome>& outcomes, int claimant)
{
    const auto shareIn = [claimant](const WaitingOutcome& o) {
        return claimant < 0 ? o.noHeir : o.shares[static_cast<std::size_t>(claimant)];
    };
    int least = 0;
    for (int i = 1; i < static_cast<int>(outcomes.size()); ++i) {
        if (shareIn(outcomes[static_cast<std::size_t>(i)]) < shareIn(outcomes[static_cast<std::size_t>(least)])) {
            least = i;
        }
    }
    return {shareIn(outcomes[static_cast<std::size_t>(least)]), least};
}

// Each claimant given now what no outcome takes from him, and the rest held.
WaitingProblem giveNow(WaitingDivision& d, const WaitingCase& wait)
{
    const std::size_t n = d.claimants.size();
    d.given.assign(n, Fraction{});
    d.basis.assign(n, GivenBasis::Least);
    d.leastIn.assign(n, -1);
    std::optional<Fraction> total = Fraction{};
    for (std::size_t i = 0; i < n; ++i) {
        d.basis[i] = basisOf(d, i, wait);
        if (d.basis[i] == GivenBasis::AtOnce) d.given[i] = d.outcomes.front().shares[i];
        if (d.basis[i] == GivenBasis::Least) {
            std::tie(d.given[i], d.leastIn[i]) = leastOver(d.outcomes, static_cast<int>(i));
        }
        total = total ? checkedSum(*total, d.given[i]) : total;
    }
    const bool awaited = d.provision.waitsForBirth && !wait.certainAsked;
    d.noHeir = awaited ? Fraction{} : leastOver(d.outcomes, -1).first;
    total = total ? checkedSum(*total, d.noHeir) : total;
    const auto reserve = total ? checkedDifference(Fraction::whole(1), *total) : std::nullopt;
    if (!reserve) return BeyondExactRange;
    d.reserve = *reserve;
    return None;
}

// "3m", "2f": a number of children of one sex.
std::optional<int> childrenNamed(std::string_view token, char sex)
{
    if (token.size() < 2 || token.back() != sex || token.front() == '0') return std::nullopt;
    int n = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size() - 1, n);
    if (error != std::errc{} || end != token.data() + token.size() - 1 || n > kMaxCount) return std::nullopt;
    return n;
}

std::vector<std::string_view> tokensOf(std::string_view name)
{
    std::vector<std::string_view> tokens;
    for (std::size_t start = 0;;) {
        const std::size_t plus = name.find('+', start);
        tokens.push_back(name.substr(start, plus - start));
        if (plus == std::string_view::npos) return tokens;
        start = plus + 1;
    }
}

}  // namespace

WaitingDivision divideWaiting(const WaitingCase& wait, const Positions& positions)
{
    WaitingDivision d;
    d.positions = positions;
    d.problem = caseProblem(wait);
    if (d.refused()) return d;
    d.unclearRule = unclearRule(positions.school, !wait.unclear || wait.unclear->hope);
    d.provision = provisionFor(wait, positions.school);
    d.claimants = claimantsOf(wait);
    const std::vector<OutcomeKey> keys = outcomeKeys(wait, d.unclearRule, d.provision.children);
    d.outcomes.reserve(keys.size());
    for (const OutcomeKey& key : keys) {
        d.outcomes.push_back(divideOutcome(wait, positions, d.unclearRule, d.claimants, key, d.outcomes, d.problem));
        if (d.refused()) {
            d.problemOutcome = d.outcomes.back().name;
            return d;
        }
    }
    d.problem = giveNow(d, wait);
    return d;
}

WaitingOutcome outcomeOf(const WaitingCase& wait, const Positions& positions, const OutcomeKey& key,
                         WaitingProblem& problem)
{
    problem = caseProblem(wait);
    if (problem != None) return {};
    const UnclearRule rule = unclearRule(positions.school, !wait.unclear || wait.unclear->hope);
    return divideOutcome(wait, positions, rule, claimantsOf(wait), key, {}, problem);
}

std::optional<OutcomeKey> outcomeKeyNamed(const WaitingCase& wait, const Positions& positions, std::string_view name)
{
    const std::vector<std::string_view> tokens = tokensOf(name);
    std::size_t next = 0;
    const auto take = [&](std::string_view token) {
        if (next >= tokens.size() || tokens[next] != token) return false;
        ++next;
        return true;
    };
    OutcomeKey key;
    if (wait.unborn && !take("none")) {
        const auto males = next < tokens.size() ? childrenNamed(tokens[next], 'm') : std::nullopt;
        if (males) {
            key.males = *males;
            ++next;
        }
        const auto females = next < tokens.size() ? childrenNamed(tokens[next], 'f') : std::nullopt;
        if (females) {
            key.females = *females;
            ++next;
        }
        if (!males && !females) return std::nullopt;
    }
    if (wait.missing) {
        key.alive = take("alive");
        if (!key.alive && !take("dead")) return std::nullopt;
    }
    const bool unclearWait = wait.unclear && unclearRule(positions.school, wait.unclear->hope) == UnclearRule::Least;
    for (int i = 0; unclearWait && i < wait.unclear->count; ++i) {
        if (take("male")) {
            key.unclearMen |= 1u << i;
        } else if (!take("female")) {
            return std::nullopt;
        }
    }
    if (next != tokens.size()) return std::nullopt;
    return key;
}

std::optional<ReservePayout> payOut(const WaitingDivision& division, const WaitingOutcome& outcome)
{
    ReservePayout payout;
    for (std::size_t i = 0; i < division.claimants.size(); ++i) {
        const auto paid = checkedDifference(outcome.shares[i], division.given[i]);
        if (!paid) return std::nullopt;
        payout.toClaimant.push_back(*paid);
    }
    const auto toNoHeir = checkedDifference(outcome.noHeir, division.noHeir);
    if (!toNoHeir) return std::nullopt;
    payout.toNoHeir = *toNoHeir;
    return payout;
}

}  // namespace qismaru
