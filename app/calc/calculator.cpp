#include "app/calc/calculator.h"

#include <istream>
#include <ostream>

#include <nlohmann/json.hpp>

#include "app/calc/case_input.h"
#include "app/calc/case_json.h"
#include "app/calc/text_report.h"

namespace qismaru::calc {

namespace {

// One JSON result per input line, in order, so that output line n answers
// input line n; a bad line gets an error object and the run goes on.
int runBatch(std::istream& in, std::ostream& out)
{
    std::string line;
    long lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const nlohmann::json parsed = nlohmann::json::parse(line, nullptr, /*allow_exceptions=*/false);
        if (parsed.is_discarded()) {
            const std::string why =
                line.empty() ? "an empty line is not a case" : "not a JSON object: " + line.substr(0, 80);
            out << errorToJson(why, lineNumber) << '\n';
            continue;
        }
        const CaseInput input = countsFromJson(parsed);
        if (!input.ok()) {
            out << errorToJson(input.error, lineNumber) << '\n';
            continue;
        }
        out << caseToJson(input.counts, computeCase(input.counts)) << '\n';
    }
    return kExitOk;
}

}  // namespace

int runCalculator(OutputForm form, const std::vector<std::string>& caseArguments, std::istream& in,
                  std::ostream& out, std::ostream& err)
{
    if (form == OutputForm::Batch) {
        if (!caseArguments.empty()) {
            err << "qismaru-calc: --batch reads its cases from standard input; give no CODE=N arguments\n";
            return kExitBadInput;
        }
        return runBatch(in, out);
    }

    const CaseInput input = countsFromArguments(caseArguments);
    if (!input.ok()) {
        err << "qismaru-calc: " << input.error << '\n';
        return kExitBadInput;
    }
    const CaseComputation computation = computeCase(input.counts);
    if (form == OutputForm::Json) {
        out << caseToJson(input.counts, computation) << '\n';
    } else if (computation.outcome == CaseOutcome::BeyondExactRange) {
        err << "qismaru-calc: " << kBeyondExactRangeError << '\n';
    } else {
        writeTextReport(out, input.counts, computation);
    }
    return computation.outcome == CaseOutcome::BeyondExactRange ? kExitBeyondExactRange : kExitOk;
}

}  // namespace qismaru::calc
