#include "ui/document/waiting_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "present/waiting_names.h"
#include "ui/kit/design_names.h"
#include "ui/kit/dialog_parts.h"
#include "ui/kit/fonts.h"

namespace qismaru::ui {

namespace {

// The most missing heirs of one relation a user may mark: as many as the
// keypad takes of a counted kind.
constexpr int kMostMissing = kMaxCount;

// The relations the engine takes for one who waits: for the unborn and the
// unclear only the men's relations that may be either sex, for the missing
// every relation; each item keeps its path.
QComboBox* relationList(const char* name, bool eitherSex, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const WaitingRelation& r : waitingRelations()) {
        if (eitherSex && !r.mayBeUnclear) continue;
        list->addItem(QString::fromStdString(relationCaption(r, eitherSex)),
                      QString::fromUtf8(r.path.data(), static_cast<int>(r.path.size())));
    }
    return list;
}

QSpinBox* countBox(const char* name, int least, int most, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(least, most);
    return box;
}

QGroupBox* markGroup(const char* name, const char* title, QFormLayout*& form, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setCheckable(true);
    group->setChecked(false);
    form = new QFormLayout(group);
    return group;
}

void choosePath(QComboBox& list, std::string_view path)
{
    const int at = list.findData(QString::fromUtf8(path.data(), static_cast<int>(path.size())));
    if (at >= 0) list.setCurrentIndex(at);
}

WaitingRelation chosenRelation(const QComboBox& list)
{
    return *relationNamed(list.currentData().toString().toStdString());
}

}  // namespace

WaitingDialog::WaitingDialog(const std::optional<estate::WaitingEntry>& current, Apply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply))
{
    setObjectName(design::kWaitingDialog);
    setWindowTitle("حمل أو مفقود أو خنثى");
    setLayoutDirection(Qt::RightToLeft);
    setFont(designFont(kMsSansSerif, 10, false));

    QFormLayout* form = nullptr;
    unborn_ = markGroup(design::kUnbornGroup, "&حمل", form, this);
    unbornRelation_ = relationList(design::kUnbornRelation, true, unborn_);
    unbornMost_ = countBox(design::kUnbornMost, 0, kMostChildren, unborn_);
    // None: the school's own number (one, two, or no limit).
    unbornMost_->setSpecialValueText("ما يقدّره المذهب");
    form->addRow("قرابته من الميت:", unbornRelation_);
    form->addRow("يوقف نصيب كم ولدًا:", unbornMost_);
    // The Maliki school waits for the birth, and gives before it what is
    // certain only when the heirs ask for it.
    unbornCertain_ = new QCheckBox("طلب الورثة ما لا شك فيه قبل الولادة (المالكية)", unborn_);
    unbornCertain_->setObjectName(design::kUnbornCertain);
    form->addRow("", unbornCertain_);

    missing_ = markGroup(design::kMissingGroup, "&مفقود", form, this);
    missingRelation_ = relationList(design::kMissingRelation, false, missing_);
    missingCount_ = countBox(design::kMissingCount, 1, kMostMissing, missing_);
    form->addRow("قرابته من الميت:", missingRelation_);
    form->addRow("عددهم:", missingCount_);

    unclear_ = markGroup(design::kUnclearGroup, "&خنثى مشكل", form, this);
    unclearRelation_ = relationList(design::kUnclearRelation, true, unclear_);
    unclearCount_ = countBox(design::kUnclearCount, 1, kMostUnclear, unclear_);
    unclearHope_ = new QCheckBox("يُرجى اتضاح حاله (لم يبلغ بعد)", unclear_);
    unclearHope_->setObjectName(design::kUnclearHope);
    unclearHope_->setChecked(true);
    form->addRow("قرابته من الميت:", unclearRelation_);
    form->addRow("عددهم:", unclearCount_);
    form->addRow("", unclearHope_);

    problem_ = problemLabel(design::kWaitingProblem, this);

    QDialogButtonBox* buttons = okCancelButtons(this);
    QPushButton* none = buttons->addButton("لا شيء", QDialogButtonBox::ResetRole);
    none->setObjectName(design::kNoWaitingButton);
    none->setToolTip("لا حمل ولا مفقود ولا خنثى في المسألة");
    connect(none, &QPushButton::clicked, this, [this] { applyOrSay(std::nullopt); });

    auto* layout = new QVBoxLayout(this);
    for (QWidget* group : {static_cast<QWidget*>(unborn_), static_cast<QWidget*>(missing_),
                           static_cast<QWidget*>(unclear_), static_cast<QWidget*>(problem_)})
        layout->addWidget(group);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    if (current) fill(*current);
}

void WaitingDialog::fill(const estate::WaitingEntry& entry)
{
    if (entry.unborn) {
        unborn_->setChecked(true);
        choosePath(*unbornRelation_, entry.unborn->as.path);
        unbornMost_->setValue(entry.unborn->most);
        unbornCertain_->setChecked(entry.unborn->certainAsked);
    }
    if (entry.missing) {
        missing_->setChecked(true);
        choosePath(*missingRelation_, entry.missing->relation.path);
        missingCount_->setValue(entry.missing->count);
    }
    if (entry.unclear) {
        unclear_->setChecked(true);
        choosePath(*unclearRelation_, entry.unclear->as.path);
        unclearCount_->setValue(entry.unclear->count);
        unclearHope_->setChecked(entry.unclear->hope);
    }
}

std::optional<estate::WaitingEntry> WaitingDialog::chosen() const
{
    estate::WaitingEntry entry;
    if (unborn_->isChecked())
        entry.unborn = UnbornChild{chosenRelation(*unbornRelation_), unbornMost_->value(), unbornCertain_->isChecked()};
    if (missing_->isChecked()) entry.missing = MissingHeirs{chosenRelation(*missingRelation_), missingCount_->value()};
    if (unclear_->isChecked())
        entry.unclear =
            UnclearHeirs{chosenRelation(*unclearRelation_), unclearCount_->value(), unclearHope_->isChecked()};
    if (!entry.waits()) return std::nullopt;
    return entry;
}

void WaitingDialog::accept() { applyOrSay(chosen()); }

void WaitingDialog::applyOrSay(const std::optional<estate::WaitingEntry>& entry)
{
    const std::string why = apply_(entry);
    if (why.empty()) {
        QDialog::accept();
        return;
    }
    problem_->setText(QString::fromStdString(why));
    problem_->show();
}

}  // namespace qismaru::ui
