#include "estate/estate_form.h"

namespace qismaru::estate {

namespace {

constexpr std::size_t slotOf(EstateField field) { return static_cast<std::size_t>(field); }

// The inputs' amount of each field, in the order of EstateField.
constexpr Minor EstateInputs::*kAmountOf[] = {&EstateInputs::gross, &EstateInputs::funeral, &EstateInputs::debts,
                                              &EstateInputs::bequest};

}  // namespace

EstateFormReading readEstateForm(const EstateForm& form)
{
    EstateInputs inputs;
    inputs.decimals = form.decimals;
    inputs.heirsConsent = form.heirsConsent;
    for (const EstateFormField& row : kEstateFormFields) {
        const AmountReading reading =
            readAmount(form.amounts[slotOf(row.field)], form.decimals, DigitGrouping::Accepted);
        const bool mayBeEmpty = row.field != EstateField::Gross;
        if (!reading.ok() && !(mayBeEmpty && reading.problem == AmountProblem::Empty)) {
            return {std::nullopt, row.field, arabicProblemText(reading.problem, row.field, form.decimals)};
        }
        inputs.*kAmountOf[slotOf(row.field)] = reading.ok() ? *reading.minor : Minor{0};
    }
    return {inputs, std::nullopt, {}};
}

EstateForm formOf(const EstateInputs& inputs)
{
    EstateForm form;
    form.heirsConsent = inputs.heirsConsent;
    form.decimals = inputs.decimals;
    for (const EstateFormField& row : kEstateFormFields) {
        form.amounts[slotOf(row.field)] =
            amountText(inputs.*kAmountOf[slotOf(row.field)], inputs.decimals, DigitGrouping::Accepted);
    }
    return form;
}

}  // namespace qismaru::estate
