#include "ui/estate_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/design_names.h"
#include "ui/fonts.h"

namespace qismaru::ui {

namespace {

using estate::EstateField;

struct FieldRow {
    EstateField field;
    const char* objectName;
    const char* label;
    const char* hint;
};

constexpr FieldRow kFieldRows[] = {
    {EstateField::Gross, design::kGrossField, "التركة:", "جملة ما تركه الميت"},
    {EstateField::Funeral, design::kFuneralField, "مؤن التجهيز:", "0"},
    {EstateField::Debts, design::kDebtsField, "الديون:", "0"},
    {EstateField::Bequest, design::kBequestField, "الوصية:", "0"},
};

int slotOf(EstateField field) { return static_cast<int>(field); }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// The order of the claims, and where the schools differ on it.
const char* const kClaimsNote =
    "تخرج من التركة مؤن التجهيز، ثم الديون، ثم الوصية في حدود ثلث ما بقي، ثم يقسم الصافي على الورثة. "
    "ويقدم الحنفية والمالكية والشافعية الدين المتعلق بعين التركة (كالدين الموثق برهن) على التجهيز، ويؤخره "
    "الحنابلة عنه؛ فإن كان على الميت دين كهذا فاطرحه من التركة قبل إدخالها على القول الأول. "
    "والوصية هنا لغير وارث، والوصية لوارث لا تنفذ إلا بإجازة الورثة.";

}  // namespace

EstateDialog::EstateDialog(const std::optional<estate::EstateInputs>& current, QWidget* parent) : QDialog(parent)
{
    setObjectName(design::kEstateDialog);
    setWindowTitle("التركة");
    setLayoutDirection(Qt::RightToLeft);
    setFont(designFont(kMsSansSerif, 10, false));

    auto* form = new QFormLayout;
    for (const FieldRow& row : kFieldRows) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(row.objectName);
        edit->setPlaceholderText(row.hint);
        edit->setMaxLength(64);
        form->addRow(row.label, edit);
        fields_[slotOf(row.field)] = edit;
    }
    consent_ = new QCheckBox("أجاز الورثة ما زاد من الوصية على الثلث", this);
    consent_->setObjectName(design::kConsentBox);
    form->addRow("", consent_);
    decimals_ = new QSpinBox(this);
    decimals_->setObjectName(design::kDecimalsBox);
    decimals_->setRange(estate::kMinDecimals, estate::kMaxDecimals);
    decimals_->setValue(estate::kDefaultDecimals);
    decimals_->setToolTip("عدد المنازل بعد الفاصلة العشرية في عملة التركة: 2 للهللة والقرش، 3 للفلس، 0 لعملة بلا كسور");
    form->addRow("المنازل العشرية:", decimals_);

    // As rich text: a wrapped plain label right to left pushes each line's
    // trailing blank into the text and cuts its last letter at the left edge.
    auto* note = new QLabel("<div dir=\"rtl\">" + QString(kClaimsNote).toHtmlEscaped() + "</div>", this);
    note->setObjectName(design::kClaimsNote);
    note->setTextFormat(Qt::RichText);
    note->setAlignment(Qt::AlignTop | Qt::AlignRight);
    note->setContentsMargins(3, 0, 3, 0);
    note->setWordWrap(true);
    problem_ = new QLabel(this);
    problem_->setObjectName(design::kEstateProblem);
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: #b00020;");
    problem_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("موافق");
    buttons->button(QDialogButtonBox::Cancel)->setText("إلغاء");
    QPushButton* none = buttons->addButton("بلا تركة", QDialogButtonBox::ResetRole);
    none->setObjectName(design::kNoEstateButton);
    none->setToolTip("يحذف بيانات التركة فلا تقسم أموال، وتبقى المسألة كما هي");
    connect(buttons, &QDialogButtonBox::accepted, this, &EstateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EstateDialog::reject);
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
    const estate::Minor estate::EstateInputs::*members[] = {
        &estate::EstateInputs::gross, &estate::EstateInputs::funeral, &estate::EstateInputs::debts,
        &estate::EstateInputs::bequest};
    for (const FieldRow& row : kFieldRows) {
        const estate::Minor& amount = (*inputs).*members[slotOf(row.field)];
        fields_[slotOf(row.field)]->setText(
            fromStd(estate::amountText(amount, inputs->decimals, estate::Grouping::Accepted)));
    }
    consent_->setChecked(inputs->heirsConsent);
    decimals_->setValue(inputs->decimals);
}

void EstateDialog::accept()
{
    estate::EstateInputs inputs;
    inputs.decimals = decimals_->value();
    inputs.heirsConsent = consent_->isChecked();
    estate::Minor* members[] = {&inputs.gross, &inputs.funeral, &inputs.debts, &inputs.bequest};
    for (const FieldRow& row : kFieldRows) {
        QLineEdit* edit = fields_[slotOf(row.field)];
        // The claims may be left empty: none of them is then owed.
        const std::string text = edit->text().toStdString();
        const bool mayBeEmpty = row.field != EstateField::Gross;
        const estate::AmountReading reading = estate::readAmount(text, inputs.decimals, estate::Grouping::Accepted);
        if (!reading.ok() && !(mayBeEmpty && reading.problem == estate::AmountProblem::Empty)) {
            problem_->setText(fromStd(estate::arabicProblemText(reading.problem, row.field, inputs.decimals)));
            problem_->show();
            edit->setFocus();
            edit->selectAll();
            return;
        }
        *members[slotOf(row.field)] = reading.ok() ? *reading.minor : estate::Minor{0};
    }
    chosen_ = inputs;
    QDialog::accept();
}

void EstateDialog::clearEstate()
{
    chosen_.reset();
    QDialog::accept();
}

}  // namespace qismaru::ui
