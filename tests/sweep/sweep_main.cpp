// qismaru-sweep: computes and checks whole families of cases and prints the
// signature of all their results.
//
//   qismaru-sweep            the full sweep (about two million cases)
//   qismaru-sweep --reduced  the family the tests run
//   qismaru-sweep --school maliki [--spouse-return] [--no-return]
//                            the same family answered by another school
//   qismaru-sweep --steps [--reduced] [--school S ...]
//                            the step-by-step solution of every case of the
//                            family, checked against its result, under every
//                            school and position unless one is named
//   qismaru-sweep --near-limit N
//                            N random cases with a corrected base between
//                            2^50 and 2^53, each checked against rational
//                            arithmetic
//   qismaru-sweep --chains N N random chains of successive deaths, each
//                            combined table checked against rational
//                            arithmetic
//
// Exit status 1 when any case breaks a check; the first findings are listed.

#include <chrono>
#include <cstdio>
#include <span>

#include <CLI/CLI.hpp>

#include "tests/support/case_text.h"
#include "tests/sweep/case_sweep.h"
#include "tests/sweep/death_chains.h"
#include "tests/sweep/near_limit.h"
#include "tests/sweep/solution_check.h"

namespace {

int reportNearLimit(std::int64_t wanted)
{
    using namespace qismaru::sweep;
    const auto start = std::chrono::steady_clock::now();
    const NearLimitReport report = checkNearLimit(wanted, 20261208);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("near-limit cases: %lld (of %lld drawn)\nfindings: %lld\nseconds: %.2f\n",
                static_cast<long long>(report.checked), static_cast<long long>(report.generated),
                static_cast<long long>(report.findingCount), elapsed.count());
    for (const Finding& finding : report.findings) {
        std::printf("  %s: %s\n", qismaru::testing::textOf(finding.counts).c_str(), finding.problem.c_str());
    }
    return report.findingCount == 0 ? 0 : 1;
}

int reportChains(std::int64_t wanted)
{
    using namespace qismaru::sweep;
    const auto start = std::chrono::steady_clock::now();
    const ChainReport report = checkDeathChains(wanted, 20261208);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("chains: %lld (%lld later deaths; %lld more refused beyond 2^53)\nfindings: %lld\nseconds: %.2f\n",
                static_cast<long long>(report.checked), static_cast<long long>(report.deaths),
                static_cast<long long>(report.beyond), static_cast<long long>(report.findingCount), elapsed.count());
    for (const std::string& finding : report.findings) std::printf("  %s\n", finding.c_str());
    return report.findingCount == 0 ? 0 : 1;
}

// The solutions of the family under each of the positions; under a school
// only the cases one of its rules decides, the others being the Hanafi
// solution itself.
int reportSolutions(qismaru::sweep::SweepSize size, std::span<const qismaru::Positions> positionsList)
{
    using namespace qismaru::sweep;
    const auto start = std::chrono::steady_clock::now();
    long long solutions = 0;
    long long findings = 0;
    forEachCase(size, [&](const qismaru::KindCounts& counts) {
        const qismaru::CaseComputation hanafi = qismaru::computeCase(counts);
        for (const qismaru::Positions& positions : positionsList) {
            if (positions != qismaru::Positions{} && !schoolRuleApplies(counts, positions, hanafi)) continue;
            ++solutions;
            const std::string problem = solutionProblemOf(counts, positions);
            if (problem.empty() || ++findings > 20) continue;
            std::printf("  %s: %s: %s\n", sweepName(size, positions).c_str(), qismaru::testing::textOf(counts).c_str(),
                        problem.c_str());
        }
    });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("solutions: %lld\nfindings: %lld\nseconds: %.2f\n", solutions, findings, elapsed.count());
    return findings == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace qismaru::sweep;

    CLI::App app{"Computes every case of a family, checks each table and prints one signature of all results."};
    bool reduced = false;
    bool steps = false;
    std::int64_t nearLimit = 0;
    std::int64_t chains = 0;
    std::string school = "hanafi";
    qismaru::Positions positions;
    app.add_flag("--reduced", reduced, "Sweep the reduced family that the tests run");
    app.add_flag("--steps", steps, "Check the step-by-step solution of every case instead");
    app.add_option("--near-limit", nearLimit, "Check N cases near 2^53 against rational arithmetic instead");
    app.add_option("--chains", chains, "Check N chains of successive deaths against rational arithmetic instead");
    app.add_option("--school", school, "Answer every case by this school: hanafi, maliki, shafii or hanbali");
    app.add_flag("--spouse-return", positions.spouseReturn, "A lone spouse takes the whole");
    app.add_flag("--no-return", positions.noReturn, "No return (maliki and shafii)");
    CLI11_PARSE(app, argc, argv);
    const std::optional<qismaru::School> chosen = qismaru::schoolFromKey(school);
    if (!chosen) {
        std::fprintf(stderr, "qismaru-sweep: unknown school '%s'\n", school.c_str());
        return 2;
    }
    positions.school = *chosen;
    if (const std::string why = qismaru::positionsProblemText(positions); !why.empty()) {
        std::fprintf(stderr, "qismaru-sweep: %s\n", why.c_str());
        return 2;
    }
    if (nearLimit > 0) return reportNearLimit(nearLimit);
    if (chains > 0) return reportChains(chains);
    if (steps) {
        const bool named = app.count("--school") + app.count("--spouse-return") + app.count("--no-return") > 0;
        const std::span<const qismaru::Positions> chosenOnly(&positions, 1);
        return reportSolutions(reduced ? SweepSize::Reduced : SweepSize::Full, named ? chosenOnly : everyPositions());
    }

    const auto start = std::chrono::steady_clock::now();
    const SweepSize size = reduced ? SweepSize::Reduced : SweepSize::Full;
    const SweepReport report = runSweep(size, positions);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::printf("sweep: %s\ncases: %lld\nfindings: %lld\nsignature: %016llx\nseconds: %.2f\n",
                sweepName(size, positions).c_str(), static_cast<long long>(report.cases),
                static_cast<long long>(report.findingCount), static_cast<unsigned long long>(report.signature),
                elapsed.count());
    for (const Finding& finding : report.findings) {
        std::printf("  %s: %s\n", qismaru::testing::textOf(finding.counts).c_str(), finding.problem.c_str());
    }
    return report.findingCount == 0 ? 0 : 1;
}
