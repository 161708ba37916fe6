// qismaru-sweep: computes and checks whole families of cases and prints the
// signature of all their results.
//
//   qismaru-sweep            the full sweep (about two million cases)
//   qismaru-sweep --reduced  the family the tests run
//
// Exit status 1 when any case breaks a check; the first findings are listed.

#include <chrono>
#include <cstdio>

#include <CLI/CLI.hpp>

#include "tests/support/case_text.h"
#include "tests/sweep/case_sweep.h"

int main(int argc, char** argv)
{
    using namespace qismaru::sweep;

    CLI::App app{"Computes every case of a family, checks each table and prints one signature of all results."};
    bool reduced = false;
    app.add_flag("--reduced", reduced, "Sweep the reduced family that the tests run");
    CLI11_PARSE(app, argc, argv);

    const auto start = std::chrono::steady_clock::now();
    const SweepReport report = runSweep(reduced ? SweepSize::Reduced : SweepSize::Full);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::printf("sweep: %s\ncases: %lld\nfindings: %lld\nsignature: %016llx\nseconds: %.2f\n",
                reduced ? "reduced" : "full", static_cast<long long>(report.cases),
                static_cast<long long>(report.findingCount), static_cast<unsigned long long>(report.signature),
                elapsed.count());
    for (const Finding& finding : report.findings) {
        std::printf("  %s: %s\n", qismaru::testing::textOf(finding.counts).c_str(), finding.problem.c_str());
    }
    return report.findingCount == 0 ? 0 : 1;
}
