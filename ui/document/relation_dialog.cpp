#include "ui/document/relation_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/kit/qt_text.h"

namespace qismaru::ui {

namespace {

constexpr int kStepColumns = 4;

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RelationDialog::RelationDialog(CaseDocument& document, QWidget* parent)
    : RelationDialog(RelativesTarget{[&document](const RelativeEntry& r) { return document.addRelative(r); },
                                     [&document] { document.removeLastRelative(); },
                                     [&document] { return document.session().relativesByPath(); },
                                     [&document] { return document.session().allRelatives(); },
                                     [&document] { return !document.session().state().computed; }},
                     parent)
{
    connect(&document, &CaseDocument::answerChanged, this, &RelationDialog::showAdded);
}

RelationDialog::RelationDialog(RelativesTarget target, QWidget* parent) : QDialog(parent), target_(std::move(target))
{
    setObjectName(design::kRelationDialog);
    setWindowTitle("قريب آخر");
    setLayoutDirection(Qt::RightToLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createSteps());
    layout->addLayout(createRelative());
    layout->addLayout(createAdded(), 1);
    showPath();
    showAdded();
}

// The steps outwards from the person reached so far, with Back and Restart.
QWidget* RelationDialog::createSteps()
{
    auto* box = new QGroupBox("ال&صلة بالميت، خطوة خطوة", this);
    auto* grid = new QGridLayout(box);
    int place = 0;
    for (const RelationStep& s : relationSteps()) {
        auto* button = new QPushButton(s.caption, box);
        button->setObjectName(design::kRelationStepPrefix + fromView(letterOf(s.link)));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, link = s.link] { step(link); });
        grid->addWidget(button, place / kStepColumns, place % kStepColumns);
        steps_.emplace_back(s.link, button);
        ++place;
    }
    back_ = new QPushButton("&رجوع خطوة", box);
    back_->setObjectName(design::kRelationBack);
    back_->setAutoDefault(false);
    connect(back_, &QPushButton::clicked, this, &RelationDialog::back);
    restart_ = new QPushButton("من &جديد", box);
    restart_->setObjectName(design::kRelationRestart);
    restart_->setAutoDefault(false);
    connect(restart_, &QPushButton::clicked, this, &RelationDialog::restart);
    const int row = (place + kStepColumns - 1) / kStepColumns;
    grid->addWidget(back_, row, 0, 1, 2);
    grid->addWidget(restart_, row, 2, 1, 2);
    return box;
}

// The relative as built: his name, how many, the label of his line, and
// why the case did not take him.
QLayout* RelationDialog::createRelative()
{
    auto* form = new QFormLayout;
    name_ = new QLabel(this);
    name_->setObjectName(design::kRelationName);
    QFont larger = name_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    larger.setBold(true);
    name_->setFont(larger);
    form->addRow("القريب:", name_);
    count_ = new QSpinBox(this);
    count_->setObjectName(design::kRelationCount);
    count_->setRange(1, kMaxCount);
    auto* countCaption = new QLabel("ال&عدد:", this);
    countCaption->setBuddy(count_);
    form->addRow(countCaption, count_);
    label_ = new QLineEdit(this);
    label_->setObjectName(design::kRelationLabel);
    label_->setLayoutDirection(Qt::LeftToRight);
    // The notation's label: Latin letters, digits, '-' and '_', at most sixteen.
    label_->setValidator(new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9_-]{0,16}"), label_));
    label_->setToolTip("تفرّق بين فرعين على صلة واحدة: بنت بنت من بنت (1)، وأخرى من بنت أخرى (2)");
    auto* labelCaption = new QLabel("علامة ال&فرع (اختيارية):", this);
    labelCaption->setBuddy(label_);
    form->addRow(labelCaption, label_);
    problem_ = new QLabel(this);
    problem_->setObjectName(design::kRelationProblem);
    problem_->setWordWrap(true);
    problem_->setForegroundRole(QPalette::Highlight);
    problem_->hide();
    form->addRow(problem_);
    connect(count_, &QSpinBox::valueChanged, this, [this] { say({}); });
    connect(label_, &QLineEdit::textChanged, this, [this] { say({}); });
    return form;
}

// The relatives added to the case, and the commands on them.
QLayout* RelationDialog::createAdded()
{
    auto* layout = new QVBoxLayout;
    auto* caption = new QLabel("الأقارب الم&ضافون إلى المسألة:", this);
    added_ = new QListWidget(this);
    added_->setObjectName(design::kRelationList);
    caption->setBuddy(added_);
    layout->addWidget(caption);
    layout->addWidget(added_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText("إغلاق");
    add_ = buttons->addButton("&أضف إلى المسألة", QDialogButtonBox::ActionRole);
    add_->setObjectName(design::kRelationAdd);
    add_->setDefault(true);
    removeLast_ = buttons->addButton("&حذف آخر قريب", QDialogButtonBox::ActionRole);
    removeLast_->setObjectName(design::kRelationRemoveLast);
    removeLast_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &RelationDialog::add);
    connect(removeLast_, &QPushButton::clicked, this, &RelationDialog::removeLast);
    connect(buttons, &QDialogButtonBox::rejected, this, &RelationDialog::reject);
    layout->addWidget(buttons);
    return layout;
}

RelativeEntry RelationDialog::entry() const { return builder_.entry(count_->value(), label_->text().toStdString()); }

void RelationDialog::step(Link link)
{
    if (builder_.step(link)) showPath();
}

void RelationDialog::back()
{
    if (path().empty()) return;
    builder_.back();
    showPath();
}

void RelationDialog::restart()
{
    builder_.restart();
    showPath();
}

void RelationDialog::add()
{
    if (path().empty()) return;
    const std::string refused = target_.add(entry());
    say(fromStd(refused));
    if (!refused.empty()) return;
    showAdded();
    // Ready for the next relative, who is most often a close one of this one.
    label_->clear();
    count_->setValue(1);
}

void RelationDialog::removeLast()
{
    target_.removeLast();
    say({});
    showAdded();
}

void RelationDialog::showPath()
{
    say({});
    const bool sexGiven = uterineSexGiven(target_.all());
    name_->setText(fromStd(builder_.name(sexGiven)));
    for (const auto& [link, button] : steps_) button->setEnabled(builder_.offers(link));
    back_->setEnabled(!path().empty());
    restart_->setEnabled(!path().empty());
    count_->setMaximum(builder_.maxCount());
    showCommands();
}

// An answered case takes no more relatives until it is a new one.
void RelationDialog::showCommands()
{
    const bool open = target_.open();
    add_->setEnabled(builder_.mayAdd(!open));
    removeLast_->setEnabled(open && !target_.added().empty());
}

void RelationDialog::showAdded()
{
    const std::vector<RelativeEntry> relatives = target_.added();
    const bool sexGiven = uterineSexGiven(target_.all());
    added_->clear();
    for (const RelativeEntry& relative : relatives) added_->addItem(fromStd(addedRelativeName(relative, sexGiven)));
    showCommands();
}

void RelationDialog::say(const QString& problem)
{
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

}  // namespace qismaru::ui
