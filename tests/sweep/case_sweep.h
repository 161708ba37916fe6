#pragma once

// A sweep over whole families of cases: every case is computed, laid out as
// the screen table and checked against what a teacher checks by hand, and
// every result is folded into one signature, so that no answer can change
// without the recorded signature changing with it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/heir_kind.h"
#include "model/positions.h"

namespace qismaru::sweep {

enum class SweepSize {
    // Every set of up to six kinds with one heir each, and counts 1 to 3 for
    // up to two counted kinds beside any of the single kinds: fast enough for
    // every test run, sanitizers included.
    Reduced,
    // Every set of the 21 kinds with one heir each (husband and wives never
    // together), and counts 1 to 3 for up to three counted kinds beside any
    // of the single kinds.
    Full,
};

struct Finding {
    KindCounts counts;
    std::string problem;
};

struct SweepReport {
    std::int64_t cases = 0;
    std::uint64_t signature = 0;
    std::int64_t findingCount = 0;
    std::vector<Finding> findings;  // the first few only
};

// Calls visit for every case of the family, each exactly once.
void forEachCase(SweepSize size, const std::function<void(const KindCounts&)>& visit);

// What is wrong with one case's result and table, or "" when nothing is.
std::string problemOf(const KindCounts& counts, const Positions& positions = {});

// Every case of the family answered by the given school and positions.
SweepReport runSweep(SweepSize size, const Positions& positions = {});

// The name a sweep's signature is recorded under: "reduced" and "full" for
// the Hanafi answer, "full-maliki", "reduced-shafii-no-return", ... otherwise.
std::string sweepName(SweepSize size, const Positions& positions = {});

}  // namespace qismaru::sweep
