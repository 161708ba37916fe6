#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/command_line.h"

namespace qismaru::testing {

// One run of qismaru-calc in-process: its exit status and what it wrote on
// its two outputs.
struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

// The command line that asks for `options`, as a user types it: each value
// joined to its option, the CODE=N arguments after "--".
inline std::vector<std::string> commandLineOf(const calc::CalcOptions& options)
{
    std::vector<std::string> args;
    const auto flag = [&args](bool given, const char* name) {
        if (given) args.emplace_back(name);
    };
    const auto option = [&args](const char* name, const std::optional<std::string>& value) {
        if (value) args.push_back(std::string(name) + "=" + *value);
    };
    flag(options.form == calc::OutputForm::Json, "--json");
    flag(options.form == calc::OutputForm::Batch, "--batch");
    option("--fields", options.fields);
    flag(options.explain, "--explain");
    option("--case-file", options.caseFile);
    option("--school", options.school);
    flag(options.spouseReturn, "--spouse-return");
    flag(options.noReturn, "--no-return");
    option("--kindred-method", options.kindredMethod);
    const calc::EstateOptions& estate = options.estate;
    option("--estate", estate.gross);
    option("--funeral", estate.funeral);
    option("--debts", estate.debts);
    option("--bequest", estate.bequest);
    flag(estate.heirsConsent, "--heirs-consent");
    option("--decimals", estate.decimals);
    const calc::WaitingOptions& waiting = options.waiting;
    option("--unborn", waiting.unborn);
    option("--unborn-most", waiting.unbornMost);
    flag(waiting.unbornCertain, "--unborn-certain");
    option("--missing", waiting.missing);
    option("--khuntha", waiting.khuntha);
    flag(waiting.khunthaHopeless, "--khuntha-hopeless");
    if (!options.caseArguments.empty()) args.emplace_back("--");
    args.insert(args.end(), options.caseArguments.begin(), options.caseArguments.end());
    return args;
}

// The calculator run through its one entry, the command line.
inline CalcRun runOnce(const calc::CalcOptions& options, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = calc::runCommandLine(commandLineOf(options), in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace qismaru::testing
