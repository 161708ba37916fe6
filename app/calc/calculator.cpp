#include "app/calc/calculator.h"

#include <istream>
#include <ostream>

#include "app/calc/batch.h"
#include "app/calc/case_json.h"
#include "app/calc/case_positions.h"
#include "app/calc/estate_output.h"
#include "app/calc/later_deaths_json.h"
#include "app/calc/later_deaths_text.h"
#include "app/calc/result_output.h"
#include "app/calc/text_report.h"
#include "present/positions_text.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

// A whole message fits a terminal line or two; an echoed argument is cut long before.
constexpr std::size_t kMaxErrorLineBytes = 400;

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
    input = options.caseFile ? caseFromFile(*options.caseFile) : countsFromArguments(options.caseArguments);
    if (!input.ok()) return input;
    // A school named here answers the case as that school does, without the
    // positions the file was saved with; a position named here is added.
    if (options.school) {
        input.school.reset();
        input.spouseReturn.reset();
        input.noReturn.reset();
    }
    if (options.spouseReturn) input.spouseReturn.reset();
    if (options.noReturn) input.noReturn.reset();
    if (options.kindredMethod) input.kindredMethod.reset();
    EstateRequest estate = estateFromOptions(options.estate);
    if (!estate.ok()) input.error = std::move(estate.error);
    if (estate.inputs) input.estate = std::move(estate.inputs);
    return input;
}

// A refusal of the later deaths is bad input, told on standard error; past
// the exact range a JSON result still says so, as for a single case.
int runLaterDeaths(const CalcOptions& options, const CaseInput& input, const Positions& positions, ResultFields fields,
                   std::ostream& out, std::ostream& err)
{
    const LaterDeathsAnswer answer = answerLaterDeaths(input, options.explain, positions);
    ResultOutput output(out);
    const bool json = options.form == OutputForm::Json;
    if (json && (!answer.refusal.refused() || answer.beyondExactRange())) {
        writeLaterDeathsResult(output.json(), answer, fields);
        output.endLine();
    } else if (!answer.refusal.refused()) {
        writeLaterDeathsText(output.stream(), answer);
    }
    if (!output.flush()) return outputFailed(output, err);
    if (!answer.refusal.refused()) return kExitOk;
    if (!json || !answer.beyondExactRange()) writeErrorLine(err, refusalText(answer));
    return answer.beyondExactRange() ? kExitBeyondExactRange : kExitBadInput;
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
    if (!input.later.empty()) return runLaterDeaths(options, input, positions.positions, fields, out, err);
    const CaseAnswer answer = answerCase(input, options.explain, positions.positions);
    const bool beyond = answer.computation.outcome == CaseOutcome::BeyondExactRange;
    ResultOutput output(out);
    if (options.form == OutputForm::Json) {
        writeCaseResult(output.json(), answer, fields);
        output.endLine();
    } else if (!beyond) {
        // The school first: the same heirs have another answer under another.
        std::ostream& text = output.stream();
        text << positionsLine(answer.computation.positions) << '\n';
        if (!answer.steps.empty()) {
            text << (answer.byPath ? solutionText(answer.relatives, answer.steps)
                                   : solutionText(answer.counts, answer.steps));
        } else if (answer.byPath) {
            writePathReport(text, answer.relatives, *answer.byPath);
        } else {
            writeTextReport(text, answer.counts, answer.computation);
        }
        if (answer.settlement && answer.byPath) {
            writePathEstateText(text, *answer.settlement, answer.relatives, *answer.byPath);
        } else if (answer.settlement) {
            writeEstateText(text, *answer.settlement, answer.counts, answer.computation.result);
        }
    }
    if (!output.flush()) return outputFailed(output, err);
    if (beyond && options.form == OutputForm::Text) writeErrorLine(err, kBeyondExactRangeError);
    return beyond ? kExitBeyondExactRange : kExitOk;
}

}  // namespace

void writeErrorLine(std::ostream& err, std::string_view why)
{
    err << "qismaru-calc: " << printableText(why, kMaxErrorLineBytes) << '\n' << std::flush;
}

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
        if (!options.caseArguments.empty() || options.caseFile || options.estate.anyGiven()) {
            writeErrorLine(err,
                           "--batch reads its cases, and their estates, from standard input; give no CODE=N "
                           "arguments, --case-file or --estate");
            return kExitBadInput;
        }
        return runBatch(in, out, err, fields, options.explain, positions);
    }
    return runOneCase(options, positions, fields, out, err);
}

}  // namespace qismaru::calc
