#include "calc/batch.h"

#include <istream>
#include <ostream>

#include "calc/case_positions.h"
#include "calc/exit_status.h"
#include "calc/later_deaths_json.h"
#include "calc/line_reader.h"
#include "calc/result_output.h"
#include "calc/waiting_json.h"

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
    const CaseAnswer answer =
        answerCase(questionOf(input, positions.positions), explain ? Detail::Steps : Detail::Figures);
    writeResult(json, answer, fields, lineNumber);
    if (answer.waiting || answer.together) return waitingRefusalText(answer).empty();
    return answer.successive ? answer.joined() : !answer.beyondExactRange();
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
