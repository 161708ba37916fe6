#include "ui/document/together_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "present/heir_labels.h"
#include "ui/kit/design_names.h"
#include "ui/kit/dialog_parts.h"
#include "ui/kit/fonts.h"
#include "ui/kit/qt_text.h"

namespace qismaru::ui {

namespace {

// Two die together at least; more than eight in one collapse is a case for
// the calculator's batch, not for a row each on screen.
constexpr int kFewestDeaths = 2;
constexpr int kMostDeaths = 8;

HeirKind kindAt(int column) { return static_cast<HeirKind>(column - 1); }

QString cellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().trimmed() : QString();
}

void setCell(QTableWidget& table, int row, int column, const QString& text)
{
    table.setItem(row, column, new QTableWidgetItem(text));
}

QTableWidget* entryTable(const char* name, const QStringList& columns, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->setVisible(false);
    // Typing over a cell enters its text, as in a spreadsheet.
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table->setTabKeyNavigation(true);
    // Narrow columns of counts, so that more kinds show at once.
    table->horizontalHeader()->setMinimumSectionSize(table->fontMetrics().horizontalAdvance("000"));
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

TogetherDialog::TogetherDialog(const std::optional<DiedTogether>& current, Apply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply))
{
    setObjectName(design::kTogetherDialog);
    setWindowTitle("من ماتوا معًا (الغرقى والهدمى)");
    setLayoutDirection(Qt::RightToLeft);
    setFont(designFont(kMsSansSerif, 10, false));

    deathCount_ = new QSpinBox(this);
    deathCount_->setObjectName(design::kTogetherDeathCount);
    deathCount_->setRange(kFewestDeaths, kMostDeaths);
    QStringList kinds{"الاسم"};
    for (int k = 0; k < kHeirKindCount; ++k) kinds << fromView(labelsOf(static_cast<HeirKind>(k)).displayName);
    deaths_ = entryTable(design::kTogetherDeaths, kinds, this);
    connect(deathCount_, qOverload<int>(&QSpinBox::valueChanged), this, &TogetherDialog::setDeathCount);
    auto* count = new QFormLayout;
    count->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    count->addRow("عدد الموتى:", deathCount_);

    QHBoxLayout* relationButtons = createRelations();

    dispute_ = new QCheckBox("تنازع الورثة في أيهم مات أولًا", this);
    dispute_->setObjectName(design::kTogetherDispute);
    problem_ = problemLabel(design::kTogetherProblem, this);
    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(count);
    layout->addWidget(new QLabel("الموتى، وورثة كل منهم الأحياء بأعدادهم:", this));
    layout->addWidget(deaths_);
    layout->addWidget(new QLabel("القرابة بينهم: قريب الميت ممن مات معه، ونسبه منه:", this));
    layout->addWidget(relations_);
    layout->addLayout(relationButtons);
    layout->addWidget(dispute_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    resize(900, 520);
    setDeathCount(kFewestDeaths);
    if (current) fill(*current);
}

// The relations between the dead, a row each, and the buttons that add and withdraw one.
QHBoxLayout* TogetherDialog::createRelations()
{
    relations_ =
        entryTable(design::kTogetherRelations, {"الميت", "قريبه ممن مات معه", "قرابته منه (b، s، f، h، w …)"}, this);
    relations_->horizontalHeader()->setStretchLastSection(true);
    auto* addRelation = new QPushButton("إضافة &قرابة", this);
    addRelation->setObjectName(design::kTogetherAddRelation);
    auto* removeRelation = new QPushButton("&حذف القرابة", this);
    removeRelation->setObjectName(design::kTogetherRemoveRelation);
    connect(addRelation, &QPushButton::clicked, this, [this] { this->addRelation({}, {}, {}); });
    connect(removeRelation, &QPushButton::clicked, this, [this] {
        const int row = relations_->currentRow();
        relations_->removeRow(row >= 0 ? row : relations_->rowCount() - 1);
    });
    auto* relationButtons = new QHBoxLayout;
    relationButtons->addWidget(addRelation);
    relationButtons->addWidget(removeRelation);
    relationButtons->addStretch();
    return relationButtons;
}

void TogetherDialog::setDeathCount(int count)
{
    if (deathCount_->value() != count) deathCount_->setValue(count);  // comes back here
    const int before = deaths_->rowCount();
    deaths_->setRowCount(count);
    for (int row = before; row < count; ++row) {
        for (int column = 0; column < deaths_->columnCount(); ++column) setCell(*deaths_, row, column, "");
    }
}

void TogetherDialog::addRelation(const QString& of, const QString& who, const QString& path)
{
    const int row = relations_->rowCount();
    relations_->insertRow(row);
    setCell(*relations_, row, 0, of);
    setCell(*relations_, row, 1, who);
    setCell(*relations_, row, 2, path);
    relations_->setCurrentCell(row, 0);
}

void TogetherDialog::fill(const DiedTogether& together)
{
    setDeathCount(static_cast<int>(together.deaths.size()));
    for (int row = 0; row < deaths_->rowCount(); ++row) {
        const TogetherDeath& death = together.deaths[static_cast<std::size_t>(row)];
        setCell(*deaths_, row, 0, QString::fromStdString(death.name));
        for (int column = 1; column < deaths_->columnCount(); ++column) {
            const int n = death.counts.of(kindAt(column));
            setCell(*deaths_, row, column, n > 0 ? QString::number(n) : QString());
        }
    }
    for (const TogetherRelation& r : together.relations)
        addRelation(QString::fromStdString(r.of), QString::fromStdString(r.who), QString::fromStdString(r.path));
    dispute_->setChecked(together.heirsDispute);
}

std::optional<DiedTogether> TogetherDialog::chosen(std::string& why) const
{
    DiedTogether together;
    together.heirsDispute = dispute_->isChecked();
    for (int row = 0; row < deaths_->rowCount(); ++row) {
        TogetherDeath death{cellText(*deaths_, row, 0).toStdString(), {}};
        for (int column = 1; column < deaths_->columnCount(); ++column) {
            const QString text = cellText(*deaths_, row, column);
            bool whole = text.isEmpty();
            const int n = whole ? 0 : text.toInt(&whole);
            if (!whole || n < 0 || n > kMaxCount) {
                why = "عدد " + deaths_->horizontalHeaderItem(column)->text().toStdString() + " في الصف " +
                      std::to_string(row + 1) + " عدد صحيح من 0 إلى " + std::to_string(kMaxCount) + ".";
                return std::nullopt;
            }
            death.counts.set(kindAt(column), n);
        }
        together.deaths.push_back(std::move(death));
    }
    for (int row = 0; row < relations_->rowCount(); ++row) {
        TogetherRelation r{cellText(*relations_, row, 0).toStdString(), cellText(*relations_, row, 1).toStdString(),
                           cellText(*relations_, row, 2).toStdString()};
        if (!r.of.empty() || !r.who.empty() || !r.path.empty()) together.relations.push_back(std::move(r));
    }
    return together;
}

void TogetherDialog::accept()
{
    std::string why;
    const std::optional<DiedTogether> together = chosen(why);
    if (together) why = apply_(*together);
    if (why.empty()) {
        QDialog::accept();
        return;
    }
    say(why);
}

void TogetherDialog::say(const std::string& why)
{
    problem_->setText(QString::fromStdString(why));
    problem_->show();
}

}  // namespace qismaru::ui
