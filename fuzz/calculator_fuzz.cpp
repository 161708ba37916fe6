// libFuzzer target: arbitrary bytes as the calculator's input.
//
// The first byte chooses the form. For the batch forms the rest is standard
// input, one JSON case per line, either as it is or grown into the lines a
// hostile input holds: nested tens of thousands deep, longer than the line
// limit, or a chain of later deaths, up to twice as many as a case holds or
// thousands. For the case-file form the rest is a .qismaru file, read as
// the window and --case-file read it, or such a chain written as one. For the estate form its first line is
// CODE=N arguments and the lines after it the amounts of --estate,
// --funeral, --debts and --bequest and the --decimals, as raw bytes.
// Otherwise the rest is split at blanks into CODE=N arguments, and the
// first byte also chooses whether the solution is asked for.
// Every input that parses goes on through the engine and the result table
// (and a line's estate through its settlement),
// so a fault anywhere from parsing to the placed texts shows up as a
// sanitizer report or as one of the traps below.

#include <sys/mman.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gmpxx.h>
#include <nlohmann/json.hpp>

#include "calc/calculator.h"
#include "calc/case_input.h"
#include "calc/case_positions.h"
#include "calc/estate_request.h"
#include "calc/line_reader.h"
#include "calc/plain_estate_line.h"
#include "calc/plain_line.h"
#include "engine/compute_case.h"
#include "engine/successive_deaths.h"
#include "estate/settlement.h"
#include "files/case_file.h"
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

// The lines of a batch input as the calculator reads them: split at each
// newline, a last line without one counted too.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        lines.push_back(text.substr(0, newline));
        if (newline == std::string_view::npos) break;
        text.remove_prefix(newline + 1);
    }
    return lines;
}

// The engine's own promises, checked on every case the parser accepts, as
// each school answers it.
void checkCase(const KindCounts& counts)
{
    for (const SchoolInfo& school : kSchools) {
        const bool twoReturns = school.school == School::Shafii;
        const CaseComputation computation = computeCase(counts, {school.school, twoReturns, false});
        if (computation.outcome != CaseOutcome::Computed) continue;
        if (findInvariantViolation(counts, computation)) __builtin_trap();
        for (const TableMedium medium : {TableMedium::Screen, TableMedium::Paper}) {
            for (const PlacedText& placed : layoutResultTable(counts, computation.result, medium)) {
                if (placed.text.empty() || placed.x < 0 || placed.y < 0) __builtin_trap();
            }
        }
    }
    const CaseComputation noReturn = computeCase(counts, {School::Maliki, false, true});
    if (noReturn.outcome == CaseOutcome::Computed && findInvariantViolation(counts, noReturn)) __builtin_trap();
}

// A line's estate, settled: the exact amounts add up to the net, the amounts
// with the rest of a bequest, what no heir takes and the rounding difference
// too, and the difference is never negative and at most a minor unit a head.
void checkEstate(const calc::CaseInput& input)
{
    if (!input.ok() || !input.estate) return;
    const Positions positions = calc::positionsFor(input, {}).positions;
    const estate::Settlement s =
        estate::settleEstate(*input.estate, input.counts, computeCase(input.counts, positions));
    const estate::Claims& c = s.claims;
    if (c.funeralPaid + c.debtsPaid + c.bequestAllowed + c.net != input.estate->gross) __builtin_trap();
    if (s.division != estate::NetOutcome::Divided) return;
    // Summed in GMP's rationals, read back from the texts the calculator writes.
    mpq_class exact(estate::exactText(s.undistributedExact));
    exact += mpq_class(estate::decimalText(s.bequestFromRest)) / estate::minorPerMajor(input.estate->decimals);
    estate::Minor rounded = s.bequestFromRest + s.undistributed + s.roundingDifference;
    estate::Minor heads = 0;
    for (const estate::KindAmount& k : s.kinds) {
        exact += mpq_class(estate::exactText(k.exact));
        rounded += k.amount;
        heads += k.count;
    }
    const mpz_class net(estate::decimalText(c.net));
    if (exact * estate::minorPerMajor(input.estate->decimals) != net || rounded != c.net) __builtin_trap();
    if (s.roundingDifference < 0 || s.roundingDifference > heads) __builtin_trap();
}

// An error on the terminal: one short line without control characters.
void checkErrorLine(const std::string& err)
{
    if (err.empty()) return;
    if (err.size() > 512 || err.back() != '\n') __builtin_trap();
    if (std::any_of(err.begin(), err.end() - 1, [](unsigned char c) { return c < 0x20 || c == 0x7F; })) {
        __builtin_trap();
    }
}

// Every input line is answered by one output line of valid UTF-8 JSON, and
// the shortcuts for plain lines (with or without an estate) agree with the
// full reading.
void runBatch(const std::string& input)
{
    const std::vector<std::string_view> lines = linesOf(input);
    for (const std::string_view line : lines) {
        if (line.size() > calc::kMaxLineBytes) continue;
        const calc::CaseInput full = calc::caseFromLineInFull(line);
        checkEstate(full);
        if (const auto withEstate = calc::readPlainEstateLine(line)) {
            if (!full.ok() || full.counts.count != withEstate->counts.count || full.estate != withEstate->estate) {
                __builtin_trap();
            }
        }
        const auto plain = calc::readPlainLine(line);
        if (!plain) continue;
        if (!full.ok() || full.counts.count != plain->count) __builtin_trap();
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = calc::runCalculator({calc::OutputForm::Batch, {}, {}}, in, out, err);
    if (status != calc::kExitOk && status != calc::kExitSomeLinesFailed) __builtin_trap();
    const std::string text = out.str();
    const std::vector<std::string_view> answers = linesOf(text);
    if (answers.size() != lines.size()) __builtin_trap();
    for (const std::string_view answer : answers) {
        if (!nlohmann::json::accept(answer)) __builtin_trap();  // also refuses ill-formed UTF-8
    }
}

// `text` `times` times over, built by doubling: a byte-by-byte loop would
// spend the run in the coverage instrumentation.
std::string repeated(const std::string& text, std::size_t times)
{
    std::string result;
    std::string power = text;
    for (; times > 0; times >>= 1) {
        if (times & 1) result += power;
        if (times > 1) power += power;
    }
    return result;
}

// A line nested up to 65,535 deep around the fuzzer's bytes, then a good line.
std::string nestedLines(const std::string& rest)
{
    if (rest.size() < 3) return rest;
    static const std::string openings[] = {"[", "{\"d\":", "{\"counts\":", "{\"h\":[", " [ "};
    static const std::string closings[] = {"]", "}", "}", "]}", " ] "};
    const std::size_t kind = static_cast<unsigned char>(rest[0]) % std::size(openings);
    const std::size_t depth = static_cast<unsigned char>(rest[1]) << 8 | static_cast<unsigned char>(rest[2]);
    return repeated(openings[kind], depth) + rest.substr(3) + repeated(closings[kind], depth) +
           "\n{\"h\":1,\"m\":1,\"f\":1}\n";
}

// The fuzzer's bytes repeated past the line limit, then a good line.
std::string overLongLines(const std::string& rest)
{
    if (rest.empty()) return rest;
    const std::size_t times = calc::kMaxLineBytes / rest.size() + 1 + static_cast<unsigned char>(rest[0]) % 3;
    std::string piece = rest;
    std::replace(piece.begin(), piece.end(), '\n', ' ');
    return repeated(piece, times) + "\n{\"d\":3}\n";
}

// A chain of later deaths grown from the fuzzer's bytes: the first says how
// many, each next one (taken in turn) one death: which living member of an
// earlier group dies, the one or two kinds of heirs he leaves, how many,
// and whether the first kind is the same persons as another earlier group
// (then as many as are left of it). Most chains join; the rest are refused.
struct ChainDeath {
    std::string deceased;
    std::vector<std::pair<std::string, int>> heirs;
    std::string same;  // "" or the earlier group the first kind of heirs is
};

std::vector<ChainDeath> laterChain(const std::string& rest)
{
    // No spouses (a man leaves no husband, a woman no wives): kinds any deceased may leave.
    static const char* const kinds[] = {"s", "d", "b", "si", "m", "f", "u", "gm", "gs", "gd", "sb", "bm"};
    constexpr std::size_t kindCount = std::size(kinds);
    const auto single = [](const std::string& code) { return code == "m" || code == "f"; };
    std::vector<ChainDeath> chain;
    if (rest.size() < 2) return chain;
    const auto first = static_cast<unsigned char>(rest[0]);
    const std::size_t deaths = first < 240 ? first % (2 * kMaxLaterDeaths + 2) : 1000 + (first - 240) * 500;
    std::vector<std::pair<std::string, int>> alive = {{"1:s", 2}, {"1:d", 1}, {"1:w", 1}};
    for (std::size_t i = 0; i < deaths; ++i) {
        const auto byte = static_cast<unsigned char>(rest[1 + i % (rest.size() - 1)]);
        const std::size_t dies = (byte + i) % alive.size();
        if (alive[dies].second == 0) continue;
        ChainDeath& next = chain.emplace_back();
        next.deceased = alive[dies].first;
        --alive[dies].second;
        const std::string kind = kinds[byte % kindCount];
        const std::string other = kinds[(byte / kindCount + 1 + byte % kindCount) % kindCount];
        int count = single(kind) ? 1 : 1 + byte % 3;
        const auto& linked = alive[byte / 5 % alive.size()];
        if (byte & 0x80 && linked.second > 0 && (linked.second == 1 || !single(kind))) {
            next.same = linked.first;
            count = linked.second;
        }
        next.heirs.emplace_back(kind, count);
        if (other != kind && byte & 0x40) next.heirs.emplace_back(other, single(other) ? 1 : 1 + byte / 3 % 2);
        // Heirs linked to an earlier group are that group, not new persons.
        const std::string death = std::to_string(chain.size() + 1);
        for (std::size_t h = next.same.empty() ? 0 : 1; h < next.heirs.size(); ++h)
            alive.emplace_back(death + ":" + next.heirs[h].first, next.heirs[h].second);
    }
    return chain;
}

// The chain as one batch line, {"counts": ..., "later": [...]}, then a good line.
std::string chainLines(const std::string& rest)
{
    nlohmann::json later = nlohmann::json::array();
    for (const ChainDeath& death : laterChain(rest)) {
        nlohmann::json entry{{"deceased", death.deceased}, {"counts", nlohmann::json::object()}};
        for (const auto& [code, count] : death.heirs) entry["counts"][code] = count;
        if (!death.same.empty()) entry["same"] = {{death.heirs.front().first, death.same}};
        later.push_back(std::move(entry));
    }
    const nlohmann::json line{{"counts", {{"s", 2}, {"d", 1}, {"w", 1}}}, {"later", std::move(later)}};
    return line.dump() + "\n{\"h\":1,\"m\":1,\"f\":1}\n";
}

// The same chain as a case file.
std::string chainCaseFile(const std::string& rest)
{
    nlohmann::json later = nlohmann::json::array();
    for (const ChainDeath& death : laterChain(rest)) {
        nlohmann::json entry{{"deceased", death.deceased}, {"heirs", nlohmann::json::array()}};
        for (const auto& [code, count] : death.heirs) entry["heirs"].push_back({{"code", code}, {"count", count}});
        if (!death.same.empty()) entry["same"] = {{death.heirs.front().first, death.same}};
        later.push_back(std::move(entry));
    }
    const nlohmann::json heirs =
        nlohmann::json::parse(R"([{"code": "s", "count": 2}, {"code": "d", "count": 1}, {"code": "w", "count": 1}])");
    return nlohmann::json{{"format", "qismaru-case"}, {"version", 3}, {"heirs", heirs}, {"later", std::move(later)}}
        .dump();
}

// One case of the command line: a status the calculator has, and at most
// one short line on standard error. Returns the status and the output.
std::pair<int, std::string> runOneCase(const calc::CalcOptions& options)
{
    std::istringstream noInput;
    std::ostringstream out;
    std::ostringstream err;
    const int status = calc::runCalculator(options, noInput, out, err);
    const bool known =
        status == calc::kExitOk || status == calc::kExitBadInput || status == calc::kExitBeyondExactRange;
    if (!known) __builtin_trap();
    checkErrorLine(err.str());
    return {status, out.str()};
}

// Where the case-file form puts its file for --case-file: in memory, since
// libFuzzer ends without the handlers that would remove a file on disk.
const std::string& scratchCaseFile()
{
    static const std::string path = "/proc/self/fd/" + std::to_string(::memfd_create("case.qismaru", 0));
    return path;
}

// A case file is refused with a reason, or read back unchanged from the text
// written of it; its case goes through the engine, and through the
// calculator's --case-file with its estate.
void runCaseFile(const std::string& text)
{
    const estate::CaseFileReading reading = estate::readCaseFile(text);
    if (!reading.ok()) {
        if (reading.problem == estate::CaseFileProblem::None || estate::arabicProblemText(reading).empty()) {
            __builtin_trap();
        }
        return;
    }
    const estate::CaseFileReading again = estate::readCaseFile(estate::caseFileText(*reading.file));
    if (!again.ok() || *again.file != *reading.file) __builtin_trap();
    const KindCounts counts = countsOf(reading.file->heirs);
    if (!counts.empty()) checkCase(counts);

    std::ofstream(scratchCaseFile(), std::ios::binary | std::ios::trunc) << text;
    calc::CalcOptions options{calc::OutputForm::Json, {}, {}};
    options.caseFile = scratchCaseFile();
    runOneCase(options);
}

// The estate options as raw bytes: refused in one line, or settled exactly.
void runEstateArguments(const std::string& rest, calc::OutputForm form)
{
    const std::vector<std::string_view> lines = linesOf(rest);
    if (lines.empty()) return;
    calc::CalcOptions options{form, splitAtBlanks(std::string(lines[0])), {}};
    std::optional<std::string>* const amounts[] = {&options.estate.gross, &options.estate.funeral,
                                                   &options.estate.debts, &options.estate.bequest,
                                                   &options.estate.decimals};
    for (std::size_t i = 1; i < lines.size() && i <= std::size(amounts); ++i) *amounts[i - 1] = std::string(lines[i]);

    calc::CaseInput input = calc::countsFromArguments(options.caseArguments);
    const calc::EstateRequest request = calc::estateFromOptions(options.estate);
    input.estate = request.inputs;
    if (request.ok()) checkEstate(input);

    const auto [status, out] = runOneCase(options);
    if ((status == calc::kExitBadInput) == (input.ok() && request.ok())) __builtin_trap();
    if (form == calc::OutputForm::Json && status == calc::kExitOk && !nlohmann::json::accept(out)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool secondHalf = data[0] / 7 % 2 == 1;
    switch (data[0] % 7) {
    case 0: runBatch(secondHalf ? chainLines(rest) : rest); return 0;
    case 1: runBatch(nestedLines(rest)); return 0;
    case 2: runBatch(overLongLines(rest)); return 0;
    case 5: runCaseFile(secondHalf ? chainCaseFile(rest) : rest); return 0;
    case 6: runEstateArguments(rest, secondHalf ? calc::OutputForm::Text : calc::OutputForm::Json); return 0;
    default: break;
    }

    const std::vector<std::string> arguments = splitAtBlanks(rest);
    const calc::CaseInput input = calc::countsFromArguments(arguments);
    if (input.ok()) checkCase(input.counts);

    calc::CalcOptions options{data[0] % 7 == 3 ? calc::OutputForm::Text : calc::OutputForm::Json, arguments, {}};
    // Half of these ask for the step-by-step solution too, so that it is fuzzed as well.
    options.explain = secondHalf;
    if ((runOneCase(options).first == calc::kExitBadInput) == input.ok()) __builtin_trap();
    return 0;
}
