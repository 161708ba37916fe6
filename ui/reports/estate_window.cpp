#include "ui/reports/estate_window.h"

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
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/report_buttons.h"
#include "ui/kit/window_placement.h"

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

    // The tables are shown whole; a large case scrolls inside the window,
    // which stays within the screen, its buttons always in reach.
    auto* content = new QWidget;
    auto* tables = new QVBoxLayout(content);
    tables->addWidget(addTable(design::kClaimsTable, claims_, false));
    kindsView_ = addTable(design::kKindsTable, kinds_, true);
    tables->addWidget(kindsView_);
    closingView_ = addTable(design::kClosingTable, closing_, false);
    tables->addWidget(closingView_);
    notes_ = new QLabel(content);
    notes_->setObjectName(design::kEstateNotes);
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tables->addWidget(notes_);
    tables->addStretch();
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_);

    auto* buttons = reportButtons(*this, {design::kPrintEstateButton, design::kSaveEstatePdfButton,
                                          design::kCopyEstateButton, design::kCloseEstateButton,
                                          [this] {
                                              if (commands_.print) commands_.print(report_, this);
                                          },
                                          [this] {
                                              if (commands_.savePdf) commands_.savePdf(report_, this);
                                          },
                                          [this] { copyAsText(); }});
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
    // Sized to the report when it first opens; after that the user's size
    // stays, only widened where a new report has more columns (the later
    // deaths' "من التركة") or wider ones than the window shows.
    const QSize wanted = reportSize().boundedTo(largestOnScreen(*this));
    if (!isVisible()) {
        resize(wanted);
    } else if (wanted.width() > width()) {
        resize(wanted.width(), height());
    }
}

QSize EstateWindow::reportSize() const
{
    // The notes wrap: their height is the one they take at the tables' width.
    QWidget* content = scroll_->widget();
    const int width = content->sizeHint().width();
    const int height = content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
    const int buttons = findChild<QDialogButtonBox*>()->sizeHint().height() + layout()->spacing();
    const QMargins margins = layout()->contentsMargins();
    return QSize(width, height) + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()) +
           QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), buttons);
}

void EstateWindow::copyAsText() { QApplication::clipboard()->setText(fromStd(estate::reportText(report_))); }

}  // namespace qismaru::ui
