#include "calc/calculator.h"

#include <istream>
#include <ostream>

#include "calc/answer_text.h"
#include "calc/batch.h"
#include "calc/case_json.h"
#include "calc/case_positions.h"
#include "calc/later_deaths_json.h"
#include "calc/result_output.h"
#include "calc/waiting_json.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

int outputFailed(const ResultOutput& output, std::ostream& err)
{
    writeErrorLine(err,
                   "cannot write the result" + (output.failure().empty() ? std::string() : ": " + output.failure()));
    return kExitInputOutputFailed;
}

// The case of the command line: its CODE=N arguments or its case file, with
// the estate of --estate and the school and positions of --school,
// --spouse-return and --no-return, which take the place of a case file's own.
CaseInput oneCaseInput(const CalcOptions& options)
{
    CaseInput input;
    if (options.caseFile && !options.caseArguments.empty()) {
        input.error = "give CODE=N arguments or --case-file, not both";
        return input;
    }
    if (options.caseFile && options.waiting.anyGiven()) {
        input.error = "--unborn, --missing and --khuntha are given with CODE=N arguments, not --case-file";
        return input;
    }
    input = options.caseFile ? caseFromFile(*options.caseFile)
                             : countsFromArguments(options.caseArguments, options.waiting);
    if (!input.ok()) return input;
    // A school named here answers the case as that school does, without the
    // positions the file was saved with; a position named here is added.
    if (options.school) {
        input.school.reset();
        input.spouseReturn.reset();
        input.noReturn.reset();
        input.kindredMethod.reset();
    }
    if (options.spouseReturn) input.spouseReturn.reset();
    if (options.noReturn) input.noReturn.reset();
    if (options.kindredMethod) input.kindredMethod.reset();
    // An outcome named here is recorded for the case, the file's too.
    if (options.waiting.outcome) input.outcome = *options.waiting.outcome;
    if (!input.outcome.empty() && !input.unborn && !input.missing && !input.unclear)
        input.error = "--outcome is recorded for an unborn child, missing heirs or a khuntha";
    EstateRequest estate = estateFromOptions(options.estate);
    if (!estate.ok()) input.error = std::move(estate.error);
    if (estate.inputs) input.estate = std::move(estate.inputs);
    return input;
}

// What a finished answer says, on standard output or, for a refusal, on
// standard error, and the exit status. Later deaths that do not join are
// bad input; past the exact range a JSON result still says so, as for a
// single case.
// A case that waits, or of those who died together: its division, or why
// it has none, bad input unless beyond the exact range, which a JSON result
// still says, as for a single case.
int writeWaitingAnswer(const CalcOptions& options, const CaseAnswer& answer, ResultFields fields, std::ostream& out,
                       std::ostream& err)
{
    const std::string refusal = waitingRefusalText(answer);
    const bool beyond = waitingBeyondExactRange(answer);
    const bool json = options.form == OutputForm::Json;
    ResultOutput output(out);
    if (json && (refusal.empty() || beyond)) {
        writeResult(output.json(), answer, fields);
        output.endLine();
    } else if (refusal.empty()) {
        writeAnswerText(output.stream(), answer);
    }
    if (!output.flush()) return outputFailed(output, err);
    if (refusal.empty()) return kExitOk;
    if (!json || !beyond) writeErrorLine(err, refusal);
    return beyond ? kExitBeyondExactRange : kExitBadInput;
}

int writeAnswer(const CalcOptions& options, const CaseAnswer& answer, ResultFields fields, std::ostream& out,
                std::ostream& err)
{
    if (answer.waiting || answer.together) return writeWaitingAnswer(options, answer, fields, out, err);
    const bool json = options.form == OutputForm::Json;
    const bool refused = answer.successive && !answer.joined();
    const bool beyond = refused ? answer.successive->beyondExactRange() : answer.beyondExactRange();
    ResultOutput output(out);
    if (json && (!refused || beyond)) {
        writeResult(output.json(), answer, fields);
        output.endLine();
    } else if (!json && !refused && !beyond) {
        writeAnswerText(output.stream(), answer);
    }
    if (!output.flush()) return outputFailed(output, err);
    if (refused && (!json || !beyond)) writeErrorLine(err, answer.successive->englishRefusalText());
    if (!refused && beyond && !json) writeErrorLine(err, kBeyondExactRangeError);
    if (beyond) return kExitBeyondExactRange;
    return refused ? kExitBadInput : kExitOk;
}

int runOneCase(const CalcOptions& options, const Positions& defaults, ResultFields fields, std::ostream& out,
               std::ostream& err)
{
    const CaseInput input = oneCaseInput(options);
    if (!input.ok()) {
        writeErrorLine(err, input.error);
        return input.unreadable ? kExitInputOutputFailed : kExitBadInput;
    }
    const PositionsChoice positions = positionsFor(input, defaults);
    if (!positions.ok()) {
        writeErrorLine(err, positions.error);
        return kExitBadInput;
    }
    if (options.fields && fields.has("estate") && !input.estate) {
        writeErrorLine(err,
                       "--fields names estate, but the case has no estate: give --estate, or a case file with one");
        return kExitBadInput;
    }
    const Detail detail = options.explain ? Detail::Steps : Detail::Figures;
    return writeAnswer(options, answerCase(questionOf(input, positions.positions), detail), fields, out, err);
}

}  // namespace

int runCalculator(const CalcOptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    ResultFields fields = ResultFields::all();
    if (options.fields) {
        if (options.form == OutputForm::Text) {
            writeErrorLine(err, "--fields chooses the members of a JSON result: give it with --json or --batch");
            return kExitBadInput;
        }
        std::string why;
        const std::optional<ResultFields> chosen = ResultFields::fromList(*options.fields, why);
        if (!chosen) {
            writeErrorLine(err, why);
            return kExitBadInput;
        }
        fields = *chosen;
        if (fields.has("steps") && !options.explain) {
            writeErrorLine(err, "--fields names steps, which are written only with --explain");
            return kExitBadInput;
        }
    }
    const std::string schoolKey = options.school.value_or(std::string(schoolInfo(School::Hanafi).key));
    const std::optional<School> school = schoolFromKey(schoolKey);
    if (!school) {
        writeErrorLine(err, "unknown school '" + schoolKey + "' (schools: " + schoolKeys() + ")");
        return kExitBadInput;
    }
    const std::string methodKey =
        options.kindredMethod.value_or(std::string(kindredMethodKey(KindredMethod::Muhammad)));
    const std::optional<KindredMethod> method = kindredMethodFromKey(methodKey);
    if (!method) {
        writeErrorLine(err, "unknown kindred method '" + methodKey + "' (methods: muhammad abu-yusuf)");
        return kExitBadInput;
    }
    const Positions positions{*school, options.spouseReturn, options.noReturn, *method};
    if (options.form == OutputForm::Batch) {
        if (!options.caseArguments.empty() || options.caseFile || options.estate.anyGiven() ||
            options.waiting.anyGiven() || options.waiting.outcome) {
            writeErrorLine(err,
                           "--batch reads its cases, and their estates, from standard input; give no CODE=N "
                           "arguments, --case-file, --estate, --unborn, --missing, --khuntha or --outcome");
            return kExitBadInput;
        }
        return runBatch(in, out, err, fields, options.explain, positions);
    }
    return runOneCase(options, positions, fields, out, err);
}

}  // namespace qismaru::calc
