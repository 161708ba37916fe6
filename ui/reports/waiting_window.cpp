#include "ui/reports/waiting_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "answer/waiting_table.h"
#include "ui/kit/design_names.h"
#include "ui/kit/dialog_parts.h"
#include "ui/kit/fonts.h"
#include "ui/kit/report_buttons.h"
#include "ui/kit/window_placement.h"
#include "ui/printing/text_page.h"
#include "ui/reports/waiting_page.h"

namespace qismaru::ui {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// An outcome's heading over its column in lines: who waits, what became of
// him, and the outcome's name ("الحمل:\nذكر\n(1m)"), so that every outcome
// of a case fits the screen side by side.
QString headingLines(QString heading)
{
    heading.replace(": ", ":\n");
    heading.replace(" (", "\n(");
    return heading;
}

// A grid shown whole and read only, as large as its cells: the window
// scrolls, not each table.
QTableWidget* gridTable(const WaitingGrid& grid, const QString& name, QWidget* parent)
{
    auto* table = new QTableWidget(static_cast<int>(grid.rows.size()), static_cast<int>(grid.columns.size()), parent);
    table->setObjectName(name);
    QStringList columns;
    for (const std::string& c : grid.columns) columns << headingLines(fromStd(c));
    table->setHorizontalHeaderLabels(columns);
    for (int r = 0; r < table->rowCount(); ++r) {
        const std::vector<std::string>& row = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c)
            table->setItem(r, c, new QTableWidgetItem(fromStd(row[static_cast<std::size_t>(c)])));
    }
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return table;
}

// Once in the window, where it takes the window's font: every cell whole.
void fitToCells(QTableWidget& table)
{
    table.ensurePolished();
    // The style's least section is wider than a column of "1/8" needs.
    table.horizontalHeader()->setMinimumSectionSize(table.fontMetrics().horizontalAdvance("0000"));
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const int frame = 2 * table.frameWidth();
    table.setFixedHeight(frame + table.horizontalHeader()->sizeHint().height() + table.verticalHeader()->length());
    table.setMinimumWidth(frame + table.horizontalHeader()->length());
}

// A table hugs its cells on the reading side; a sentence takes the width.
void addTable(QVBoxLayout& layout, QTableWidget* table) { layout.addWidget(table, 0, Qt::AlignLeft); }

QLabel* textLabel(const std::string& text, const char* name, QWidget* parent, bool bold = false)
{
    auto* label = new QLabel(fromStd(text), parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) label->setStyleSheet("font-weight: bold;");
    return label;
}

// The claims before the heirs, with an estate: a line each, and its amount.
WaitingGrid claimsGrid(const std::vector<estate::AmountLine>& claims)
{
    WaitingGrid grid{{"", "المبلغ"}, {}};
    for (const estate::AmountLine& line : claims) grid.rows.push_back({line.label, line.amount});
    return grid;
}

}  // namespace

bool hasWaitingTables(const CaseAnswer& answer)
{
    const WaitingTables tables = waitingTables(answer, Reader::Page);
    return !tables.division.empty() || !tables.together.empty();
}

WaitingWindow::WaitingWindow(Record record, Commands commands, QWidget* parent)
    : QWidget(parent, Qt::Window), record_(std::move(record)), commands_(std::move(commands))
{
    setObjectName(design::kWaitingWindow);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(kMsSansSerif, 10, false));
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    // Copy gives the tables as text, the same the web page copies, for a
    // spreadsheet or a letter.
    auto* buttons = reportButtons(
        *this, {design::kPrintWaitingButton, design::kSaveWaitingPdfButton, design::kCopyWaitingButton,
                design::kCloseWaitingButton,
                [this] {
                    if (commands_.print) commands_.print(tables_, this);
                },
                [this] {
                    if (commands_.savePdf) commands_.savePdf(tables_, this);
                },
                [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(waitingTablesText(tables_))); }});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_);
    layout->addWidget(buttons);
}

// Laid out again for each answer: the outcomes, and so the columns, change
// with the case.
void WaitingWindow::showAnswer(const CaseAnswer& answer)
{
    tables_ = waitingTables(answer, Reader::Page);
    const WaitingTables& tables = tables_;
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    outcomes_ = nullptr;
    problem_ = nullptr;
    const bool together = !tables.together.empty();
    setWindowTitle(together ? kTogetherTitle : kWaitingTitle);
    if (!tables.claims.empty())
        addTable(*layout, gridTable(claimsGrid(tables.claims), design::kWaitingClaimsTable, content));
    if (!tables.division.empty()) {
        addTable(*layout, gridTable(tables.division, design::kWaitingDivisionTable, content));
        if (!tables.provision.empty())
            layout->addWidget(textLabel(tables.provision, design::kWaitingProvision, content));
        addOutcomeChoice(answer, *layout);
    }
    if (!tables.recorded.empty()) {
        layout->addWidget(textLabel(tables.recordedHeading, design::kRecordedHeading, content, true));
        addTable(*layout, gridTable(tables.recorded, design::kRecordedTable, content));
    }
    if (together) layout->addWidget(textLabel(tables.togetherRule, design::kTogetherRule, content, true));
    for (std::size_t i = 0; i < tables.together.size(); ++i) {
        layout->addWidget(textLabel(tables.togetherHeadings[i], "", content, true));
        addTable(*layout, gridTable(tables.together[i], design::kTogetherTablePrefix + QString::number(i), content));
    }
    layout->addStretch();
    // The former tables go once the event that recorded an outcome is done:
    // its button is among them.
    if (QWidget* former = scroll_->takeWidget()) former->deleteLater();
    scroll_->setWidget(content);
    for (QTableWidget* table : content->findChildren<QTableWidget*>()) fitToCells(*table);
    fitToContents();
}

// The outcomes the user may record once known, and the button that records one.
void WaitingWindow::addOutcomeChoice(const CaseAnswer& answer, QVBoxLayout& layout)
{
    const std::vector<OutcomeChoice> choices = outcomeChoices(answer);
    if (choices.empty()) return;
    QWidget* content = layout.parentWidget();
    auto* row = new QHBoxLayout;
    outcomes_ = new QComboBox(content);
    outcomes_->setObjectName(design::kOutcomeChoice);
    // As wide as the row leaves it, not as its longest outcome: the button stays whole.
    outcomes_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    outcomes_->setMinimumContentsLength(16);
    for (const OutcomeChoice& choice : choices) outcomes_->addItem(fromStd(choice.heading), fromStd(choice.name));
    const std::string recorded = answer.question.outcome;
    if (const int at = outcomes_->findData(fromStd(recorded)); at >= 0) outcomes_->setCurrentIndex(at);
    auto* record = new QPushButton("تسجيل ما ظهر", content);
    record->setObjectName(design::kRecordOutcomeButton);
    record->setToolTip("إذا ظهر الحال (ولد الحمل، عُلم خبر المفقود، اتضح الخنثى) يُدفع الموقوف لمستحقيه");
    connect(record, &QPushButton::clicked, this, &WaitingWindow::recordChosen);
    row->addWidget(new QLabel("ما ظهر:", content));
    row->addWidget(outcomes_, 1);
    row->addWidget(record);
    layout.addLayout(row);
    problem_ = problemLabel(design::kOutcomeProblem, content);
    layout.addWidget(problem_);
}

void WaitingWindow::recordChosen()
{
    if (!outcomes_ || !record_) return;
    const std::string why = record_(outcomes_->currentData().toString().toStdString());
    // A refused outcome leaves the window as it was, with the reason; a
    // recorded one lays it out again through the answer.
    if (!why.empty() && problem_) {
        problem_->setText(fromStd(why));
        problem_->show();
    }
}

// Sized to the tables when first shown; after that the user's size stays,
// only widened where the new tables are wider.
void WaitingWindow::fitToContents()
{
    QWidget* content = scroll_->widget();
    content->ensurePolished();
    const QMargins m = layout()->contentsMargins();
    const int buttons = findChild<QDialogButtonBox*>()->sizeHint().height() + layout()->spacing();
    const QSize wanted = (content->sizeHint() + QSize(m.left() + m.right(), m.top() + m.bottom()) +
                          QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), buttons))
                             .boundedTo(largestOnScreen(*this));
    if (!isVisible()) {
        resize(wanted);
    } else if (wanted.width() > width()) {
        resize(wanted.width(), height());
    }
}

WaitingWindow::Commands waitingPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                             PrinterChooser printers)
{
    const auto printing = std::make_shared<PagePrinting>(messages, std::move(dialogs), std::move(printers),
                                                         kWaitingTitle, "qismaru-waiting");
    WaitingWindow::Commands commands;
    commands.print = [printing](const WaitingTables& tables, QWidget* parent) {
        printing->print([&tables] { return waitingDocument(tables); }, parent);
    };
    commands.savePdf = [printing](const WaitingTables& tables, QWidget* parent) {
        printing->savePdf([&tables] { return waitingDocument(tables); }, parent);
    };
    return commands;
}

}  // namespace qismaru::ui
