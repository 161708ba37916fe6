#include "ui/document/estate_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "estate/estate_form.h"
#include "ui/kit/design_names.h"
#include "ui/kit/dialog_parts.h"
#include "ui/kit/fonts.h"

namespace qismaru::ui {

namespace {

using estate::EstateField;

// The control of each field of the form, in the form's order.
constexpr const char* kFieldNames[] = {design::kGrossField, design::kFuneralField, design::kDebtsField,
                                       design::kBequestField};

int slotOf(EstateField field) { return static_cast<int>(field); }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

EstateDialog::EstateDialog(const std::optional<estate::EstateInputs>& current, QWidget* parent) : QDialog(parent)
{
    setObjectName(design::kEstateDialog);
    setWindowTitle("التركة");
    setLayoutDirection(Qt::RightToLeft);
    setFont(designFont(kMsSansSerif, 10, false));

    auto* form = new QFormLayout;
    for (const estate::EstateFormField& row : estate::kEstateFormFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(kFieldNames[slotOf(row.field)]);
        edit->setPlaceholderText(row.hint);
        edit->setMaxLength(estate::kAmountFieldLength);
        form->addRow(row.label, edit);
        fields_[slotOf(row.field)] = edit;
    }
    consent_ = new QCheckBox(estate::kConsentCaption, this);
    consent_->setObjectName(design::kConsentBox);
    form->addRow("", consent_);
    decimals_ = new QSpinBox(this);
    decimals_->setObjectName(design::kDecimalsBox);
    decimals_->setRange(estate::kMinDecimals, estate::kMaxDecimals);
    decimals_->setValue(estate::kDefaultDecimals);
    decimals_->setToolTip(estate::kDecimalsHint);
    form->addRow(estate::kDecimalsLabel, decimals_);

    // As rich text: a wrapped plain label right to left pushes each line's
    // trailing blank into the text and cuts its last letter at the left edge.
    auto* note = new QLabel("<div dir=\"rtl\">" + QString(estate::kClaimsNote).toHtmlEscaped() + "</div>", this);
    note->setObjectName(design::kClaimsNote);
    note->setTextFormat(Qt::RichText);
    note->setAlignment(Qt::AlignTop | Qt::AlignRight);
    note->setContentsMargins(3, 0, 3, 0);
    note->setWordWrap(true);
    problem_ = problemLabel(design::kEstateProblem, this);

    QDialogButtonBox* buttons = okCancelButtons(this);
    QPushButton* none = buttons->addButton(estate::kNoEstateCaption, QDialogButtonBox::ResetRole);
    none->setObjectName(design::kNoEstateButton);
    none->setToolTip(estate::kNoEstateHint);
    connect(none, &QPushButton::clicked, this, &EstateDialog::clearEstate);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    setMinimumWidth(480);
    fill(current);
}

QLineEdit* EstateDialog::amountField(EstateField field) const { return fields_[slotOf(field)]; }

void EstateDialog::fill(const std::optional<estate::EstateInputs>& inputs)
{
    if (!inputs) return;
    const estate::EstateForm form = estate::formOf(*inputs);
    for (int slot = 0; slot < 4; ++slot) fields_[slot]->setText(fromStd(form.amounts[slot]));
    consent_->setChecked(form.heirsConsent);
    decimals_->setValue(form.decimals);
}

void EstateDialog::accept()
{
    estate::EstateForm form;
    form.decimals = decimals_->value();
    form.heirsConsent = consent_->isChecked();
    for (int slot = 0; slot < 4; ++slot) form.amounts[slot] = fields_[slot]->text().toStdString();
    const estate::EstateFormReading reading = estate::readEstateForm(form);
    if (!reading.ok()) {
        problem_->setText(fromStd(reading.problem));
        problem_->show();
        QLineEdit* edit = fields_[slotOf(*reading.refused)];
        edit->setFocus();
        edit->selectAll();
        return;
    }
    chosen_ = reading.inputs;
    QDialog::accept();
}

void EstateDialog::clearEstate()
{
    chosen_.reset();
    QDialog::accept();
}

}  // namespace qismaru::ui
