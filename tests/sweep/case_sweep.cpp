#include "tests/sweep/case_sweep.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string_view>

#include "engine/compute_case.h"
#include "engine/exclusion.h"
#include "engine/kind_groups.h"
#include "present/heir_labels.h"
#include "present/result_table.h"
#include "tests/support/case_families.h"

namespace qismaru::sweep {

namespace {

using enum HeirKind;

constexpr int kMaxFindingsKept = 20;
constexpr int kHighestCount = 3;

// A 64-bit running hash, fed a word at a time: stable across compilers and
// builds (on little-endian machines, as all this project builds for), and
// fast enough to fold in every figure and placed text of millions of cases.
// It guards against accidents, not against anyone forging results.
class Signature {
public:
    void add(std::string_view bytes)
    {
        std::size_t at = 0;
        for (; at + 8 <= bytes.size(); at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + at, 8);
            mix(word);
        }
        std::uint64_t tail = 0;
        std::memcpy(&tail, bytes.data() + at, bytes.size() - at);
        mix(tail);
        mix(bytes.size());
    }
    void add(std::int64_t n) { mix(static_cast<std::uint64_t>(n)); }
    void add(int n) { add(static_cast<std::int64_t>(n)); }
    void add(double x) { mix(std::bit_cast<std::uint64_t>(x)); }

    std::uint64_t value() const { return value_; }

private:
    void mix(std::uint64_t word)
    {
        value_ = (value_ ^ word) * 0x9e3779b97f4a7c15ULL;
        value_ ^= value_ >> 32;
    }

    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

bool isSingle(int index) { return heirKinds()[index].entry == EntryKind::Single; }

// Counts 1 to 3 for up to maxCounted counted kinds, at least one of them above
// 1 (with every count at 1 the case is already among the sets above), each
// such choice beside every choice of the single kinds.
void forEachCountedFamily(int maxCounted, const std::function<void(const KindCounts&)>& visit)
{
    std::vector<int> counted;
    std::vector<int> single;
    for (int i = 0; i < kHeirKindCount; ++i) (isSingle(i) ? single : counted).push_back(i);

    KindCounts counts;
    const auto visitWithSingles = [&] {
        for (unsigned choice = 0; choice < (1u << single.size()); ++choice) {
            KindCounts withSingles = counts;
            for (std::size_t s = 0; s < single.size(); ++s) {
                if (choice & (1u << s)) withSingles.count[single[s]] = 1;
            }
            if (withSingles.has(Husband) && withSingles.has(Wives)) continue;
            visit(withSingles);
        }
    };
    // Depth-first over increasing counted-kind indexes, each given 1 to 3.
    const std::function<void(std::size_t, int, bool)> choose = [&](std::size_t from, int left, bool aboveOne) {
        if (aboveOne) visitWithSingles();
        if (left == 0) return;
        for (std::size_t k = from; k < counted.size(); ++k) {
            for (int n = 1; n <= kHighestCount; ++n) {
                counts.count[counted[k]] = static_cast<std::int16_t>(n);
                choose(k + 1, left - 1, aboveOne || n > 1);
            }
            counts.count[counted[k]] = 0;
        }
    };
    choose(0, maxCounted, false);
}

std::int64_t wholeNumberIn(const std::string& text, bool& whole)
{
    char* end = nullptr;
    const long long n = std::strtoll(text.c_str(), &end, 10);
    whole = end != text.c_str() && (*end == ' ' || *end == '\0');
    return n;
}

// The kind a row's name names, from the table's own text "name N " or "name".
std::optional<HeirKind> kindNamedBy(std::string text)
{
    while (!text.empty() && text.back() == ' ') text.pop_back();
    while (!text.empty() && text.back() >= '0' && text.back() <= '9') text.pop_back();
    while (!text.empty() && text.back() == ' ') text.pop_back();
    for (const HeirKindInfo& info : heirKinds()) {
        if (labelsOf(info.kind).displayName == text) return info.kind;
    }
    return std::nullopt;
}

class CaseExamination {
public:
    CaseExamination(const KindCounts& counts, const Positions& positions, Signature& signature)
        : counts_(counts), positions_(positions), signature_(signature)
    {
    }

    std::string problem()
    {
        const CaseComputation c = computeCase(counts_, positions_);
        sign(c);
        if (c.outcome == CaseOutcome::ValidationStop) return "a case within the entry rules was stopped";
        if (c.outcome == CaseOutcome::BeyondExactRange) return "a small case is beyond exact computation";
        if (const auto violation = findInvariantViolation(counts_, c)) return std::string(*violation);

        const ResultTable screen = buildResultTable(counts_, c.result, TableMedium::Screen);
        sign(screen);
        sign(buildResultTable(counts_, c.result, TableMedium::Paper));
        return tableProblem(screen, c.result.undistributedRemainder);
    }

private:
    void sign(const CaseComputation& c)
    {
        for (const std::int16_t n : counts_.count) signature_.add(int{n});
        signature_.add(static_cast<int>(c.outcome));
        for (const CaseMessage message : c.messages) signature_.add(static_cast<int>(message));
        const CaseResult& r = c.result;
        for (const ShareResult& share : r.shares) {
            signature_.add(share.value);
            signature_.add(share.numerator);
            signature_.add(share.denominator);
            signature_.add(static_cast<int>(share.label));
        }
        signature_.add(r.base);
        for (const double x : {r.correction, r.shareScale, r.baseDivisor, r.returnFactor, r.spouseScale}) {
            signature_.add(x);
        }
    }

    void sign(const ResultTable& table)
    {
        table.forEachPlaced([this](int x, int y, const std::string& text) {
            signature_.add(x);
            signature_.add(y);
            signature_.add(text);
        });
    }

    std::string tableProblem(const ResultTable& table, bool undistributed) const
    {
        bool whole = false;
        const std::int64_t header = wholeNumberIn(table.base, whole);
        if (!whole || header <= 0) return "the header figure is not a positive whole number";

        std::int64_t portions = 0;
        double percentages = 0.0;
        for (const TableRow& row : table.rows) {
            for (const TableCell& item : row.cells) {
                if (item.column == TableColumn::Heir) {
                    const auto kind = kindNamedBy(item.text);
                    if (!kind) return "a row names no kind: " + item.text;
                    if (isExcluded(*kind, counts_, positions_.school))
                        return "an excluded kind has a row: " + item.text;
                } else if (item.column == TableColumn::Parts) {
                    const std::int64_t portion = wholeNumberIn(item.text, whole);
                    if (!whole || portion <= 0) return "a drawn row has no positive portion: " + item.text;
                    portions += portion;
                } else if (item.column == TableColumn::PerHead) {
                    wholeNumberIn(item.text, whole);
                    if (!whole) return "a per-head value is not whole: " + item.text;
                } else if (item.column == TableColumn::Percentage) {
                    percentages += std::strtod(item.text.c_str() + 1, nullptr);  // after the "%"
                }
            }
        }
        if (undistributed) return "";
        if (portions != header) return "the portions do not add up to the header figure";
        if (std::abs(percentages - 100.0) > 0.1) return "the percentages add up to " + std::to_string(percentages);
        return "";
    }

    const KindCounts& counts_;
    const Positions& positions_;
    Signature& signature_;
};

}  // namespace

void forEachCase(SweepSize size, const std::function<void(const KindCounts&)>& visit)
{
    const bool full = size == SweepSize::Full;
    testing::forEachSetOfKinds(full ? kHeirKindCount : 6, visit);
    forEachCountedFamily(full ? 3 : 2, visit);
}

std::string problemOf(const KindCounts& counts, const Positions& positions)
{
    Signature unused;
    return CaseExamination(counts, positions, unused).problem();
}

std::string sweepName(SweepSize size, const Positions& positions)
{
    std::string name = size == SweepSize::Full ? "full" : "reduced";
    if (positions.school != School::Hanafi) {
        name += '-';
        name += schoolInfo(positions.school).key;
    }
    if (positions.spouseReturn) name += "-spouse-return";
    if (positions.noReturn) name += "-no-return";
    return name;
}

SweepReport runSweep(SweepSize size, const Positions& positions)
{
    SweepReport report;
    Signature signature;
    forEachCase(size, [&](const KindCounts& counts) {
        ++report.cases;
        std::string problem;
        try {
            problem = CaseExamination(counts, positions, signature).problem();
        } catch (const std::exception& e) {
            problem = std::string("an exception: ") + e.what();
        }
        if (problem.empty()) return;
        ++report.findingCount;
        if (report.findings.size() < kMaxFindingsKept) report.findings.push_back({counts, std::move(problem)});
    });
    report.signature = signature.value();
    return report;
}

}  // namespace qismaru::sweep
