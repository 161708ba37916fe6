#include "calc/estate_request.h"

#include "files/case_file.h"
#include "files/relative_entries.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

using estate::EstateField;

EstateRequest refused(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

EstateRequest estateFromOptions(const EstateOptions& options)
{
    if (!options.anyGiven()) return {};
    if (!options.gross)
        return refused("--funeral, --debts, --bequest, --heirs-consent and --decimals go with --estate");
    estate::EstateInputs inputs;
    inputs.heirsConsent = options.heirsConsent;
    if (options.decimals) {
        // One digit: a reader of whole numbers takes "010" as octal 8, or "" as nothing given.
        const std::string& written = *options.decimals;
        const int decimals = written.size() == 1 ? written[0] - '0' : -1;
        if (decimals < estate::kMinDecimals || decimals > estate::kMaxDecimals) {
            return refused("--decimals is the number of decimals of the currency: 0, 1, 2 or 3");
        }
        inputs.decimals = decimals;
    }
    const struct {
        EstateField field;
        const std::optional<std::string>& text;
        estate::Minor& amount;
    } amounts[] = {{EstateField::Gross, options.gross, inputs.gross},
                   {EstateField::Funeral, options.funeral, inputs.funeral},
                   {EstateField::Debts, options.debts, inputs.debts},
                   {EstateField::Bequest, options.bequest, inputs.bequest}};
    for (const auto& a : amounts) {
        if (!a.text) continue;
        const estate::AmountReading reading =
            estate::readAmount(*a.text, inputs.decimals, estate::DigitGrouping::Refused);
        if (!reading.ok()) return refused(estate::englishProblemText(reading.problem, a.field, inputs.decimals));
        a.amount = *reading.minor;
    }
    return {std::move(inputs), {}};
}

CaseInput caseFromFile(const std::string& path)
{
    CaseInput input;
    std::string shown = "'";
    shown += cutAtCharacter(path, kEchoedBytes);
    shown += '\'';
    const estate::CaseFileReading reading = estate::readCaseFileAt(path);
    if (reading.problem == estate::CaseFileProblem::Unreadable) {
        input.error = "cannot read the case file " + shown + ": " + reading.detail;
        input.unreadable = true;
        return input;
    }
    if (!reading.ok()) {
        input.error = "the case file " + shown + " cannot be used: " + reading.detail;
        return input;
    }
    input.counts = countsOf(reading.file->heirs);
    input.estate = reading.file->estate;
    for (const estate::LaterDeathEntry& later : reading.file->later) input.later.push_back(estate::laterDeathOf(later));
    if (const std::optional<estate::WaitingEntry>& waiting = reading.file->waiting) {
        input.unborn = waiting->unborn;
        input.missing = waiting->missing;
        input.unclear = waiting->unclear;
        input.outcome = waiting->outcome;
    }
    // Relatives by path make it a case by path, the buttons' heirs first.
    if (!reading.file->relatives.empty()) {
        input.relatives = estate::entriesOfHeirs(reading.file->heirs);
        input.relatives.insert(input.relatives.end(), reading.file->relatives.begin(), reading.file->relatives.end());
        input.byPath = true;
    }
    // A file saved under another school than the Hanafi one, or with a
    // return position, is answered as it was saved, as a batch line's own
    // school is; a file without them takes the command line's.
    if (const Positions& saved = reading.file->positions; saved != Positions{}) {
        input.school = saved.school;
        input.spouseReturn = saved.spouseReturn;
        input.noReturn = saved.noReturn;
        input.kindredMethod = saved.kindredMethod;
    }
    if (input.counts.empty() && input.relatives.empty()) input.error = "the case file " + shown + " names no heir";
    return input;
}

}  // namespace qismaru::calc
