#include "app/calc/batch.h"

#include <istream>
#include <ostream>

#include "app/calc/calculator.h"
#include "app/calc/case_positions.h"
#include "app/calc/later_deaths_json.h"
#include "app/calc/line_reader.h"
#include "app/calc/result_output.h"

namespace qismaru::calc {

namespace {

std::string tooLongMessage(std::size_t length)
{
    return "the line is " + std::to_string(length) + " bytes long; a case is at most " + std::to_string(kMaxLineBytes) +
           " bytes";
}

// Writes the answer to one line; false when the line got an error object.
bool answerLine(const InputLine& line, long lineNumber, JsonWriter& json, ResultFields fields, bool explain,
                const Positions& defaults)
{
    if (line.tooLong) {
        writeLineError(json, tooLongMessage(line.length), lineNumber);
        return false;
    }
    const CaseInput input = caseFromLine(line.text);
    if (!input.ok()) {
        writeLineError(json, input.error, lineNumber);
        return false;
    }
    const PositionsChoice positions = positionsFor(input, defaults);
    if (!positions.ok()) {
        writeLineError(json, positions.error, lineNumber);
        return false;
    }
    if (!input.later.empty()) {
        const LaterDeathsAnswer answer = answerLaterDeaths(input, explain, positions.positions);
        writeLaterDeathsResult(json, answer, fields, lineNumber);
        return !answer.refusal.refused();
    }
    const CaseAnswer answer = answerCase(input, explain, positions.positions);
    writeCaseResult(json, answer, fields, lineNumber);
    return answer.computation.outcome != CaseOutcome::BeyondExactRange;
}

}  // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, ResultFields fields, bool explain,
             const Positions& positions)
{
    ResultOutput output(out);
    LineReader reader(in, kMaxLineBytes, [&output] { output.flush(); });
    long lineNumber = 0;
    bool someLineFailed = false;
    InputLine line;
    // Once the output is gone, reading on would only lose more answers.
    while (!output.failed() && reader.next(line)) {
        ++lineNumber;
        if (!answerLine(line, lineNumber, output.json(), fields, explain, positions)) someLineFailed = true;
        output.endLine();
    }
    if (!output.flush()) {
        writeErrorLine(err, "cannot write the results" +
                                (output.failure().empty() ? std::string() : ": " + output.failure()) + " (after " +
                                std::to_string(lineNumber) + " lines of input)");
        return kExitInputOutputFailed;
    }
    if (reader.failed()) {
        writeErrorLine(err, "cannot read the cases after line " + std::to_string(lineNumber));
        return kExitInputOutputFailed;
    }
    return someLineFailed ? kExitSomeLinesFailed : kExitOk;
}

}  // namespace qismaru::calc
