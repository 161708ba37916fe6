#include "app/calc/estate_request.h"

#include <fstream>
#include <iterator>

#include "app/calc/utf8_text.h"
#include "estate/case_file.h"

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
        if (*options.decimals < estate::kMinDecimals || *options.decimals > estate::kMaxDecimals) {
            return refused("--decimals is the number of decimals of the currency: 0, 1, 2 or 3");
        }
        inputs.decimals = *options.decimals;
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
        const estate::AmountReading reading = estate::readAmount(*a.text, inputs.decimals, estate::Grouping::Refused);
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
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        input.error = "cannot open the case file " + shown;
        return input;
    }
    // One byte more than a case file may hold tells a case file from a larger one.
    std::string text(estate::kMaxCaseFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) {
        input.error = "cannot read the case file " + shown;
        return input;
    }
    const estate::CaseFileReading reading = estate::readCaseFile(text);
    if (!reading.ok()) {
        input.error = "the case file " + shown + " cannot be used: " + reading.detail;
        return input;
    }
    for (const HeirEntry& heir : reading.file->heirs) input.counts.set(heir.kind, heir.count);
    input.estate = reading.file->estate;
    for (const estate::LaterDeathEntry& later : reading.file->later) input.later.push_back(estate::laterDeathOf(later));
    // A file saved under another school than the Hanafi one, or with a
    // return position, is answered as it was saved, as a batch line's own
    // school is; a file without them takes the command line's.
    if (const Positions& saved = reading.file->positions; saved != Positions{}) {
        input.school = saved.school;
        input.spouseReturn = saved.spouseReturn;
        input.noReturn = saved.noReturn;
    }
    if (input.counts.empty()) input.error = "the case file " + shown + " names no heir";
    return input;
}

}  // namespace qismaru::calc
