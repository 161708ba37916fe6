#include "ui/estate_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/design_names.h"
#include "ui/fonts.h"

namespace qismaru::ui {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// Amounts line up on their last digit, whatever the reading direction.
constexpr Qt::Alignment kAmountAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

QStandardItem* textItem(const std::string& text)
{
    auto* item = new QStandardItem(fromStd(text));
    item->setEditable(false);
    return item;
}

// An amount, with its exact value of the major unit as the tip.
QStandardItem* amountItem(const std::string& text, const std::string& exact)
{
    QStandardItem* item = textItem(text);
    item->setTextAlignment(kAmountAlignment);
    if (!exact.empty()) item->setToolTip("القيمة التامة: " + fromStd(exact));
    return item;
}

void fillAmounts(QStandardItemModel& model, const std::vector<estate::AmountLine>& lines)
{
    model.clear();
    for (const estate::AmountLine& line : lines)
        model.appendRow({textItem(line.label), amountItem(line.amount, line.exact)});
}

void fillKinds(QStandardItemModel& model, const estate::EstateReport& report)
{
    model.clear();
    QStringList titles;
    for (const std::string& title : estate::kindColumnTitles(report)) titles << fromStd(title);
    model.setHorizontalHeaderLabels(titles);
    for (const estate::KindLine& line : report.kinds) {
        model.appendRow({textItem(line.name), textItem(line.count), textItem(line.share), amountItem(line.parts, ""),
                         amountItem(line.amount, line.exact), amountItem(line.perHead, line.perHeadExact)});
    }
}

// A table as large as its cells, so that the window shows every row and
// column at once, without scroll bars.
void fitToCells(QTableView& view)
{
    view.resizeColumnsToContents();
    view.resizeRowsToContents();
    const int frame = 2 * view.frameWidth();
    const int header = view.horizontalHeader()->isHidden() ? 0 : view.horizontalHeader()->sizeHint().height();
    view.setFixedHeight(frame + header + view.verticalHeader()->length());
    view.setMinimumWidth(frame + view.horizontalHeader()->length());
}

}  // namespace

EstateWindow::EstateWindow(Commands commands, QWidget* parent)
    : QWidget(parent, Qt::Window),
      commands_(std::move(commands)),
      claims_(new QStandardItemModel(this)),
      kinds_(new QStandardItemModel(this)),
      closing_(new QStandardItemModel(this))
{
    setObjectName(design::kEstateWindow);
    setWindowTitle(estate::kEstateTitle);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(kMsSansSerif, 10, false));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addTable(design::kClaimsTable, claims_, false));
    kindsView_ = addTable(design::kKindsTable, kinds_, true);
    layout->addWidget(kindsView_);
    closingView_ = addTable(design::kClosingTable, closing_, false);
    layout->addWidget(closingView_);
    notes_ = new QLabel;
    notes_->setObjectName(design::kEstateNotes);
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notes_->setAlignment(Qt::AlignTop);
    // The notes can run longer than a small screen leaves the window: they
    // scroll rather than being squeezed out of sight.
    auto* notesArea = new QScrollArea(this);
    notesArea->setWidget(notes_);
    notesArea->setWidgetResizable(true);
    notesArea->setFrameShape(QFrame::NoFrame);
    notesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(notesArea, 1);

    auto* buttons = new QDialogButtonBox(this);
    const auto button = [&](const char* name, const char* caption, const QKeySequence& keys, auto handler) {
        QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        b->setObjectName(name);
        b->setToolTip(keys.toString(QKeySequence::NativeText));
        connect(b, &QPushButton::clicked, this, handler);
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    button(design::kPrintEstateButton, "طباعة", QKeySequence::Print, [this] {
        if (commands_.print) commands_.print(report_, this);
    });
    button(design::kSaveEstatePdfButton, "حفظ PDF", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        if (commands_.savePdf) commands_.savePdf(report_, this);
    });
    button(design::kCopyEstateButton, "نسخ", QKeySequence::Copy, [this] { copyAsText(); });
    QPushButton* close = buttons->addButton("إغلاق", QDialogButtonBox::RejectRole);
    close->setObjectName(design::kCloseEstateButton);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    layout->addWidget(buttons);
}

QTableView* EstateWindow::addTable(const char* name, QStandardItemModel* model, bool header)
{
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(model);
    view->horizontalHeader()->setVisible(header);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    // Shown whole and read only: the keyboard goes to the buttons, and the
    // window's Ctrl+C copies the whole report, not one cell.
    view->setFocusPolicy(Qt::NoFocus);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return view;
}

void EstateWindow::showReport(const estate::EstateReport& report)
{
    report_ = report;
    fillAmounts(*claims_, report.claims);
    fillKinds(*kinds_, report);
    fillAmounts(*closing_, report.closing);
    const bool divided = !report.kinds.empty();
    kindsView_->setVisible(divided);
    closingView_->setVisible(divided);
    QStringList notes;
    for (const std::string& note : report.notes) notes << fromStd(note);
    notes_->setText(notes.join("\n\n"));
    notes_->setVisible(!notes.isEmpty());
    ensurePolished();
    for (auto* view : findChildren<QTableView*>()) {
        view->ensurePolished();
        fitToCells(*view);
    }
    adjustSize();
}

void EstateWindow::copyAsText() { QApplication::clipboard()->setText(fromStd(estate::reportText(report_))); }

}  // namespace qismaru::ui
