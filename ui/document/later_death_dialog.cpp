#include "ui/document/later_death_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "present/heir_labels.h"
#include "present/heir_names.h"
#include "present/relation_builder.h"
#include "present/relative_names.h"
#include "ui/document/relation_dialog.h"
#include "ui/kit/design_names.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"

namespace qismaru::ui {

namespace {

constexpr int kButtonColumns = 3;

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString kindName(HeirKind kind) { return fromView(labelsOf(kind).displayName); }

QString sameChoiceName(HeirKind kind) { return design::kLaterSamePrefix + fromView(infoOf(kind).code); }

}  // namespace

LaterDeathDialog::LaterDeathDialog(const CaseAnswer& answer, MessageBoxes& messages, Adder add, QWidget* parent)
    : QDialog(parent), messages_(messages), add_(std::move(add)), form_(answer)
{
    setObjectName(design::kLaterDeathDialog);
    setWindowTitle("وفاة وارث قبل القسمة");
    setLayoutDirection(Qt::RightToLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createDeceasedRow());
    auto* body = new QHBoxLayout;
    body->addWidget(createHeirButtons());
    body->addLayout(createEnteredHeirs(), 1);
    layout->addLayout(body, 1);
    layout->addLayout(createProblemAndButtons());

    fillDeceased();
    showCounting(false);
    showHeirs();
}

QLayout* LaterDeathDialog::createDeceasedRow()
{
    auto* who = new QHBoxLayout;
    auto* caption = new QLabel("ال&ميت قبل القسمة:", this);
    deceased_ = new QComboBox(this);
    deceased_->setObjectName(design::kLaterDeceased);
    deceased_->setPlaceholderText("اختر الوارث الذي مات");
    deceased_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caption->setBuddy(deceased_);
    who->addWidget(caption);
    who->addWidget(deceased_, 1);
    // Who died decides how many of his own group survive him.
    connect(deceased_, &QComboBox::currentIndexChanged, this, [this] {
        form_.chooseDeceased(deceased_->currentIndex() < 0 ? std::nullopt
                                                           : std::optional<int>(deceased_->currentData().toInt()));
        showHeirs();
    });
    return who;
}

// The heir kinds in the order a teacher reads a case, each a button with
// its name, as the main window's are.
QWidget* LaterDeathDialog::createHeirButtons()
{
    auto* box = new QGroupBox("ور&ثته", this);
    auto* grid = new QGridLayout(box);
    int place = 0;
    for (const HeirKind kind : readingOrder()) {
        auto* button = new QPushButton(kindName(kind), box);
        button->setObjectName(design::kLaterHeirPrefix + fromView(infoOf(kind).code));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, kind] { pressHeir(kind); });
        grid->addWidget(button, place / kButtonColumns, place % kButtonColumns);
        heirButtons_.push_back(button);
        ++place;
    }
    return box;
}

// His heirs as entered, each with the earlier group they may be, then the
// count being asked and the command that withdraws the last heir.
QLayout* LaterDeathDialog::createEnteredHeirs()
{
    auto* entered = new QVBoxLayout;
    heirs_ = new QWidget;
    heirs_->setObjectName(design::kLaterHeirs);
    heirRows_ = new QGridLayout(heirs_);
    heirRows_->setAlignment(Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(heirs_);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(340);
    entered->addWidget(scroll, 1);
    entered->addWidget(createCountRow());
    cancelLast_ = new QPushButton(" إلغاء آخر اختيار", this);
    cancelLast_->setObjectName(design::kLaterCancelLast);
    connect(cancelLast_, &QPushButton::clicked, this, &LaterDeathDialog::cancelLastChoice);
    entered->addWidget(cancelLast_);
    relation_ = new QPushButton("قريب آ&خر…", this);
    relation_->setObjectName(design::kLaterRelation);
    connect(relation_, &QPushButton::clicked, this, &LaterDeathDialog::buildRelatives);
    entered->addWidget(relation_);
    return entered;
}

QWidget* LaterDeathDialog::createCountRow()
{
    countRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(countRow_);
    row->setContentsMargins(0, 0, 0, 0);
    countCaption_ = new QLabel(countRow_);
    count_ = new QSpinBox(countRow_);
    count_->setObjectName(design::kLaterCount);
    count_->setRange(0, kMaxCount);
    countCaption_->setBuddy(count_);
    countOk_ = new QPushButton("إدخال", countRow_);
    countOk_->setObjectName(design::kLaterCountOk);
    connect(countOk_, &QPushButton::clicked, this, &LaterDeathDialog::confirmCount);
    row->addWidget(countCaption_);
    row->addWidget(count_);
    row->addWidget(countOk_);
    return countRow_;
}

QLayout* LaterDeathDialog::createProblemAndButtons()
{
    auto* layout = new QVBoxLayout;
    problem_ = new QLabel(this);
    problem_->setObjectName(design::kLaterProblem);
    problem_->setWordWrap(true);
    problem_->setForegroundRole(QPalette::Highlight);
    problem_->hide();
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText("موافق");
    buttons->button(QDialogButtonBox::Cancel)->setText("إلغاء");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LaterDeathDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LaterDeathDialog::reject);
    return layout;
}

void LaterDeathDialog::fillDeceased()
{
    for (const LaterDeathForm::Choice& choice : form_.deceasedChoices())
        deceased_->addItem(fromStd(choice.name), choice.group);
    deceased_->setCurrentIndex(-1);
}

// The earlier groups his heirs of this kind may be; the choice made stays
// while it is still offered.
void LaterDeathDialog::fillSameChoice(QComboBox& choice, HeirKind kind, const QString& kept)
{
    choice.clear();
    choice.addItem(LaterDeathForm::kNotTheSame);
    for (const LaterDeathForm::Choice& group : form_.sameChoices(kind))
        choice.addItem(fromStd(group.name), fromStd(refText(group.ref)));
    choice.setCurrentIndex(std::max(0, choice.findData(kept)));
    choice.setToolTip("هل " + kindName(kind) + " هنا هم أنفسهم ورثة في مسألة قبلها؟");
    form_.link(kind, refFromText(choice.currentData().toString().toStdString()));
    connect(&choice, &QComboBox::currentIndexChanged, this,
            [this, &choice, kind] { form_.link(kind, refFromText(choice.currentData().toString().toStdString())); });
}

void LaterDeathDialog::buildRelatives()
{
    RelativesTarget target{[this](const RelativeEntry& r) { return form_.addRelative(r); },
                           [this] { form_.removeLastRelative(); }, [this] { return form_.relatives(); },
                           [this] { return form_.allRelatives(); }, [] { return true; }};
    auto* builder = new RelationDialog(std::move(target), this);
    builder->setAttribute(Qt::WA_DeleteOnClose);
    connect(builder, &QDialog::finished, this, &LaterDeathDialog::showHeirs);
    builder->open();
}

void LaterDeathDialog::showHeirs()
{
    const std::vector<HeirEntry> heirs = form_.heirs();
    QHash<HeirKind, QString> kept;
    for (const HeirEntry& heir : heirs) {
        if (const auto* choice = heirs_->findChild<QComboBox*>(sameChoiceName(heir.kind)))
            kept.insert(heir.kind, choice->currentData().toString());
    }
    while (QLayoutItem* item = heirRows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::vector<RelativeEntry>& relatives = form_.relatives();
    if (heirs.empty() && relatives.empty()) heirRows_->addWidget(new QLabel("لم يُدخل له وارث بعد.", heirs_), 0, 0);
    int column = 0;
    if (!heirs.empty() || !relatives.empty()) {
        for (const char* title : {"الوارث", "العدد", "هم أنفسهم"})
            heirRows_->addWidget(new QLabel(title, heirs_), 0, column++);
    }
    int row = 1;
    for (const HeirEntry& heir : heirs) {
        heirRows_->addWidget(new QLabel(kindName(heir.kind), heirs_), row, 0);
        heirRows_->addWidget(new QLabel(QString::number(heir.count), heirs_), row, 1);
        auto* same = new QComboBox(heirs_);
        same->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        same->setObjectName(sameChoiceName(heir.kind));
        fillSameChoice(*same, heir.kind, kept.value(heir.kind));
        heirRows_->addWidget(same, row++, 2);
    }
    // By path: new persons, not linked to an earlier group here.
    for (const RelativeEntry& relative : relatives) {
        const std::string name = listedRelativeName(relative, uterineSexGiven(form_.allRelatives()));
        heirRows_->addWidget(new QLabel(fromStd(name), heirs_), row, 0);
        heirRows_->addWidget(new QLabel(QString::number(relative.count), heirs_), row++, 1);
    }
    cancelLast_->setEnabled(!heirs.empty() && !countRow_->isVisible());
}

void LaterDeathDialog::tell(const KeyPress& key)
{
    if (key.outcome == KeyOutcome::Refused) messages_.inform(this, kProgramCaption, fromStd(key.refusal));
}

void LaterDeathDialog::pressHeir(HeirKind kind)
{
    const KeyPress key = form_.press(kind);
    tell(key);
    if (key.outcome == KeyOutcome::Entered) showHeirs();
    if (key.outcome != KeyOutcome::AskCount) return;
    countCaption_->setText("حدد العدد: " + kindName(kind));
    showCounting(true);
}

void LaterDeathDialog::confirmCount()
{
    const KeyPress key = form_.confirmCount(count_->value());
    tell(key);
    // 0: the user must raise the number or withdraw it.
    if (key.outcome != KeyOutcome::Entered) return;
    showCounting(false);
    showHeirs();
}

void LaterDeathDialog::cancelCount()
{
    form_.cancelCount();
    showCounting(false);
    showHeirs();
}

void LaterDeathDialog::cancelLastChoice()
{
    if (countRow_->isVisible() || !form_.cancelLast()) return;
    showHeirs();
}

// While a count is asked the heir buttons wait, as the main window waits
// for its count dialog, and Enter confirms the count.
void LaterDeathDialog::showCounting(bool counting)
{
    countRow_->setVisible(counting);
    for (QPushButton* button : heirButtons_) button->setEnabled(!counting);
    cancelLast_->setEnabled(!counting && !form_.heirs().empty());
    ok_->setDefault(!counting);
    countOk_->setDefault(counting);
    if (counting) {
        count_->setValue(1);
        count_->setFocus();
        count_->selectAll();
    }
}

void LaterDeathDialog::say(const QString& problem)
{
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

void LaterDeathDialog::accept()
{
    if (countRow_->isVisible()) {
        confirmCount();
        if (countRow_->isVisible()) return;
    }
    if (const std::string missing = form_.incomplete(); !missing.empty()) return say(fromStd(missing));
    const std::string refused = add_ ? add_(entry()) : std::string();
    if (!refused.empty()) return say(fromStd(refused));
    QDialog::accept();
}

void LaterDeathDialog::reject()
{
    if (countRow_->isVisible()) return cancelCount();
    QDialog::reject();
}

}  // namespace qismaru::ui
