#include "ui/document/later_death_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/case_entry.h"
#include "present/combined_sentences.h"
#include "present/combined_table_text.h"
#include "present/deaths_refusal_text.h"
#include "present/heir_names.h"
#include "present/refusal_texts.h"
#include "ui/kit/design_names.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"

namespace qismaru::ui {

namespace {

constexpr int kButtonColumns = 3;

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString kindName(HeirKind kind) { return fromView(infoOf(kind).displayName); }

// "، الأم في الثانية": the other names a group of persons had in later deaths.
std::string otherNames(const PersonGroup& group, int persons)
{
    std::string names;
    for (const GroupRef& r : group.also)
        names += "، " + heirName(r.kind, persons, Nominative) + " في " + caseOrdinal(r.death);
    return names;
}

}  // namespace

LaterDeathDialog::LaterDeathDialog(const ShownAnswer& answer, MessageBoxes& messages, Adder add, QWidget* parent)
    : QDialog(parent), messages_(messages), add_(std::move(add)), positions_(answer.positions)
{
    setObjectName(design::kLaterDeathDialog);
    setWindowTitle("وفاة وارث قبل القسمة");
    setLayoutDirection(Qt::RightToLeft);

    SuccessiveDeaths persons = personsSoFar(answer);
    deaths_ = std::move(persons.deaths);
    table_ = std::move(persons.table);
    death_ = static_cast<int>(deaths_.size()) + 1;
    for (std::size_t i = 0; i < table_.groups.size(); ++i) {
        if (table_.groups[i].alive()) groups_.push_back({static_cast<int>(i), table_.groups[i].ref});
    }
    std::stable_sort(groups_.begin(), groups_.end(),
                     [](const Group& a, const Group& b) { return listedBefore(a.ref, b.ref); });

    auto* layout = new QVBoxLayout(this);
    auto* who = new QHBoxLayout;
    auto* whoCaption = new QLabel("ال&ميت قبل القسمة:", this);
    deceased_ = new QComboBox(this);
    deceased_->setObjectName(design::kLaterDeceased);
    deceased_->setPlaceholderText("اختر الوارث الذي مات");
    deceased_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    whoCaption->setBuddy(deceased_);
    who->addWidget(whoCaption);
    who->addWidget(deceased_, 1);
    layout->addLayout(who);

    auto* body = new QHBoxLayout;
    body->addWidget(createHeirButtons());
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

    countRow_ = new QWidget(this);
    auto* countLayout = new QHBoxLayout(countRow_);
    countLayout->setContentsMargins(0, 0, 0, 0);
    countCaption_ = new QLabel(countRow_);
    count_ = new QSpinBox(countRow_);
    count_->setObjectName(design::kLaterCount);
    count_->setRange(0, kMaxCount);
    countCaption_->setBuddy(count_);
    countOk_ = new QPushButton("إدخال", countRow_);
    countOk_->setObjectName(design::kLaterCountOk);
    countLayout->addWidget(countCaption_);
    countLayout->addWidget(count_);
    countLayout->addWidget(countOk_);
    entered->addWidget(countRow_);
    cancelLast_ = new QPushButton(" إلغاء آخر اختيار", this);
    cancelLast_->setObjectName(design::kLaterCancelLast);
    entered->addWidget(cancelLast_);
    body->addLayout(entered, 1);
    layout->addLayout(body, 1);

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
    connect(countOk_, &QPushButton::clicked, this, &LaterDeathDialog::confirmCount);
    connect(cancelLast_, &QPushButton::clicked, this, &LaterDeathDialog::cancelLastChoice);
    // Who died decides how many of his own group survive him.
    connect(deceased_, &QComboBox::currentIndexChanged, this, [this] { showHeirs(); });

    fillDeceased();
    showCounting(false);
    showHeirs();
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

// Whoever received something and is still alive may have died: his share
// is his estate. One who received nothing leaves nothing of it.
void LaterDeathDialog::fillDeceased()
{
    for (const Group& group : groups_) {
        const PersonGroup& g = table_.groups[static_cast<std::size_t>(group.index)];
        if (g.parts == 0) continue;
        deceased_->addItem(fromStd(deceasedName(g.ref, deaths_) + otherNames(g, g.count)), group.index);
    }
    deceased_->setCurrentIndex(-1);
}

std::optional<LaterDeathDialog::Group> LaterDeathDialog::deceased() const
{
    if (deceased_->currentIndex() < 0) return std::nullopt;
    const int index = deceased_->currentData().toInt();
    return Group{index, table_.groups[static_cast<std::size_t>(index)].ref};
}

int LaterDeathDialog::survivorsOf(int index) const
{
    const std::optional<Group> died = deceased();
    return table_.groups[static_cast<std::size_t>(index)].count - (died && died->index == index ? 1 : 0);
}

// "الزوجة في المسألة الأولى، الأم في الثانية": the persons by every name
// they had, counted as many as survive.
QString LaterDeathDialog::groupName(int index, int persons) const
{
    const PersonGroup& g = table_.groups[static_cast<std::size_t>(index)];
    return fromStd(heirName(g.ref.kind, persons, Nominative) + " في المسألة " + caseOrdinal(g.ref.death) +
                   otherNames(g, persons));
}

void LaterDeathDialog::fillSameChoice(QComboBox& choice, HeirKind kind, int count, const QString& kept) const
{
    choice.clear();
    choice.addItem("ليسوا من ورثة ما قبلها");
    for (const Group& group : groups_) {
        // The same persons are all the survivors of a group: as many as his heirs of this kind.
        if (survivorsOf(group.index) != count) continue;
        choice.addItem(groupName(group.index, count), fromStd(refText(group.ref)));
    }
    choice.setCurrentIndex(std::max(0, choice.findData(kept)));
    choice.setToolTip("هل " + kindName(kind) + " هنا هم أنفسهم ورثة في مسألة قبلها؟");
}

void LaterDeathDialog::showHeirs()
{
    QHash<HeirKind, QString> kept;
    for (const HeirEntry& heir : enteredHeirs(state_)) {
        const QString name = design::kLaterSamePrefix + fromView(infoOf(heir.kind).code);
        if (const auto* choice = heirs_->findChild<QComboBox*>(name))
            kept.insert(heir.kind, choice->currentData().toString());
    }
    while (QLayoutItem* item = heirRows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::vector<HeirEntry> heirs = enteredHeirs(state_);
    if (heirs.empty()) {
        heirRows_->addWidget(new QLabel("لم يُدخل له وارث بعد.", heirs_), 0, 0);
    } else {
        int row = 0;
        for (const char* title : {"الوارث", "العدد", "هم أنفسهم"})
            heirRows_->addWidget(new QLabel(title, heirs_), 0, row++);
    }
    int row = 1;
    for (const HeirEntry& heir : heirs) {
        heirRows_->addWidget(new QLabel(kindName(heir.kind), heirs_), row, 0);
        heirRows_->addWidget(new QLabel(QString::number(heir.count), heirs_), row, 1);
        auto* same = new QComboBox(heirs_);
        same->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        same->setObjectName(design::kLaterSamePrefix + fromView(infoOf(heir.kind).code));
        fillSameChoice(*same, heir.kind, heir.count, kept.value(heir.kind));
        heirRows_->addWidget(same, row, 2);
        ++row;
    }
    cancelLast_->setEnabled(!heirs.empty() && !countRow_->isVisible());
}

void LaterDeathDialog::pressHeir(HeirKind kind)
{
    if (const std::optional<Group> died = deceased()) {
        const DeathsProblem side = spouseSideProblem(died->ref.kind, kind);
        if (side != DeathsProblem::None) {
            DeathsRefusal refusal{side, death_, died->ref, kind};
            messages_.inform(this, kProgramCaption, fromStd(estate::arabicRefusalReason(refusal, deaths_)));
            return;
        }
    }
    const KindCounts before = state_.counts;
    const PressResult press = qismaru::pressHeirButton(state_, kind, positions_.school);
    switch (press.outcome) {
    case PressOutcome::Ignored: return;
    case PressOutcome::SpouseConflict:
    case PressOutcome::TooManyGrandmothers:
        messages_.inform(this, kProgramCaption,
                         QString::fromStdString(pressRefusalText(press.outcome, before, kind, positions_.school)));
        return;
    case PressOutcome::Entered: showHeirs(); return;
    case PressOutcome::AskCount:
        countCaption_->setText("حدد العدد: " + kindName(kind));
        showCounting(true);
        return;
    }
}

void LaterDeathDialog::confirmCount()
{
    const KindCounts before = state_.counts;
    const CountResult result = qismaru::confirmCount(state_, count_->value(), positions_.school);
    switch (result.outcome) {
    case CountOutcome::Ignored: return;  // 0: the user must raise the number or withdraw it
    case CountOutcome::TooManyWives:
    case CountOutcome::TooManyGrandmothers:
        messages_.inform(this, kProgramCaption,
                         QString::fromStdString(countRefusalText(result, before, count_->value(), positions_.school)));
        return;
    case CountOutcome::Recorded: break;
    }
    showCounting(false);
    showHeirs();
}

void LaterDeathDialog::cancelCount()
{
    qismaru::cancelCount(state_);
    showCounting(false);
    showHeirs();
}

void LaterDeathDialog::cancelLastChoice()
{
    if (countRow_->isVisible() || !qismaru::cancelLastChoice(state_)) return;
    showHeirs();
}

// While a count is asked the heir buttons wait, as the main window waits
// for its count dialog, and Enter confirms the count.
void LaterDeathDialog::showCounting(bool counting)
{
    countRow_->setVisible(counting);
    for (QPushButton* button : heirButtons_) button->setEnabled(!counting);
    cancelLast_->setEnabled(!counting && !enteredHeirs(state_).empty());
    ok_->setDefault(!counting);
    countOk_->setDefault(counting);
    if (counting) {
        count_->setValue(1);
        count_->setFocus();
        count_->selectAll();
    }
}

estate::LaterDeathEntry LaterDeathDialog::entry() const
{
    estate::LaterDeathEntry entry;
    if (const std::optional<Group> died = deceased()) entry.deceased = died->ref;
    entry.heirs = enteredHeirs(state_);
    for (const HeirEntry& heir : entry.heirs) {
        const auto* choice = heirs_->findChild<QComboBox*>(design::kLaterSamePrefix + fromView(infoOf(heir.kind).code));
        const std::optional<GroupRef> earlier =
            choice ? refFromText(choice->currentData().toString().toStdString()) : std::nullopt;
        if (earlier) entry.same.push_back({heir.kind, *earlier});
    }
    return entry;
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
    if (!deceased()) return say("اختر الوارث الذي مات قبل القسمة.");
    if (state_.counts.empty()) return say("أدخل ورثته بأزرارهم.");
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
