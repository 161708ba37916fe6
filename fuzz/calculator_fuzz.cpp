// libFuzzer target: arbitrary bytes as the calculator's input.
//
// The first byte chooses the form. For the batch form the rest is standard
// input, one JSON case per line; otherwise the rest is split at blanks into
// CODE=N arguments. Every input that parses goes on through the engine and the
// result table, so a fault anywhere from parsing to the placed texts shows up
// as a sanitizer report or as one of the traps below.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/calc/calculator.h"
#include "app/calc/case_input.h"
#include "engine/compute_case.h"
#include "present/result_table.h"

namespace {

using namespace qismaru;

std::vector<std::string> splitAtBlanks(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream stream(text);
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// The engine's own promises, checked on every case the parser accepts.
void checkCase(const KindCounts& counts)
{
    const CaseComputation computation = computeCase(counts);
    if (computation.outcome != CaseOutcome::Computed) return;
    if (findInvariantViolation(counts, computation)) __builtin_trap();
    for (const TableMedium medium : {TableMedium::Screen, TableMedium::Paper}) {
        for (const PlacedText& placed : layoutResultTable(counts, computation.result, medium)) {
            if (placed.text.empty() || placed.x < 0 || placed.y < 0) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::ostringstream out;
    std::ostringstream err;

    if (data[0] % 3 == 0) {
        std::istringstream in(rest);
        const int status = calc::runCalculator(calc::OutputForm::Batch, {}, in, out, err);
        if (status != calc::kExitOk) __builtin_trap();  // bad lines are answered in the output
        return 0;
    }

    const std::vector<std::string> arguments = splitAtBlanks(rest);
    const calc::CaseInput input = calc::countsFromArguments(arguments);
    if (input.ok()) checkCase(input.counts);

    std::istringstream noInput;
    const auto form = data[0] % 3 == 1 ? calc::OutputForm::Text : calc::OutputForm::Json;
    const int status = calc::runCalculator(form, arguments, noInput, out, err);
    const bool knownStatus = status == calc::kExitOk || status == calc::kExitBadInput ||
                             status == calc::kExitBeyondExactRange;
    if (!knownStatus || (status == calc::kExitBadInput) == input.ok()) __builtin_trap();
    return 0;
}
