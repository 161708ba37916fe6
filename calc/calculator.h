#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/estate_request.h"
#include "calc/exit_status.h"
#include "calc/waiting_input.h"
#include "model/positions.h"

namespace qismaru::calc {

enum class OutputForm { Text, Json, Batch };

// The command line, as parsed. A new option is one member here.
struct CalcOptions {
    OutputForm form = OutputForm::Text;
    std::vector<std::string> caseArguments;  // CODE=N
    std::optional<std::string> fields;       // --fields: the sections of a JSON result to write
    bool explain = false;                    // --explain: the step-by-step solution, as text or under "steps"
    EstateOptions estate{};                  // --estate and the claims on it
    std::optional<std::string> caseFile{};   // --case-file: a .qismaru file instead of CODE=N
    std::optional<std::string> school{};     // --school: the key of the school the cases are answered by
    bool spouseReturn = false;               // --spouse-return: a lone spouse takes the whole
    bool noReturn = false;                   // --no-return: the surplus to the public treasury
    // --kindred-method: the Hanafi rule among distant kindred, muhammad or abu-yusuf
    std::optional<std::string> kindredMethod{};
    // --unborn, --missing and --khuntha: one whose existence, life or sex is not known yet
    WaitingOptions waiting{};
};

// Runs the calculator on parsed options; all I/O goes through the streams so
// that tests can run it in-process.
int runCalculator(const CalcOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace qismaru::calc
