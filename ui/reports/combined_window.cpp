#include "ui/reports/combined_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/report_buttons.h"
#include "ui/kit/window_placement.h"
#include "ui/printing/text_page.h"

namespace qismaru::ui {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString joinedLines(const CombinedPage& page)
{
    QStringList lines{fromStd(page.positions)};
    for (const std::string& death : page.deaths) lines << fromStd(death);
    return lines.join('\n');
}

void fillCells(QStandardItemModel& model, const CombinedPage& page)
{
    model.clear();
    QStringList titles;
    for (const std::string& title : page.table.header) titles << fromStd(title);
    model.setHorizontalHeaderLabels(titles);
    for (std::size_t i = 0; i < page.table.rows.size(); ++i) {
        QList<QStandardItem*> row;
        const bool deceased = page.table.diedAs[i] > 0;
        for (const std::string& text : page.table.rows[i]) {
            auto* item = new QStandardItem(fromStd(text));
            item->setEditable(false);
            if (!row.isEmpty()) item->setTextAlignment(Qt::AlignCenter);
            // The deceased's parts passed to his or her own heirs: the row is shaded, as the
            // books cross out or mark the deceased.
            if (deceased) {
                item->setBackground(QColor(228, 228, 228));
                item->setToolTip(fromStd(page.table.notes[i]));
            }
            row << item;
        }
        model.appendRow(row);
    }
}

}  // namespace

CombinedWindow::CombinedWindow(Commands commands, QWidget* parent)
    : QWidget(parent, Qt::Window),
      commands_(std::move(commands)),
      heading_(new QLabel(this)),
      cells_(new QStandardItemModel(this)),
      table_(new QTableView(this))
{
    setObjectName(design::kCombinedWindow);
    setWindowTitle(kCombinedTitle);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(kMsSansSerif, 10, false));

    heading_->setObjectName(design::kCombinedHeading);
    heading_->setWordWrap(true);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_->setObjectName(design::kCombinedTable);
    table_->setModel(cells_);
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    // Read only: the keyboard goes to the buttons, and Ctrl+C copies the whole page.
    table_->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);

    auto* buttons = reportButtons(*this, {design::kPrintCombinedButton, design::kSaveCombinedPdfButton,
                                          design::kCopyCombinedButton, design::kCloseCombinedButton,
                                          [this] {
                                              if (commands_.print) commands_.print(page_, this);
                                          },
                                          [this] {
                                              if (commands_.savePdf) commands_.savePdf(page_, this);
                                          },
                                          [this] { copyAsText(); }});
    layout->addWidget(buttons);
}

void CombinedWindow::showPage(const CombinedPage& page)
{
    page_ = page;
    heading_->setText(joinedLines(page));
    fillCells(*cells_, page);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // Sized to the table when it first opens; after that the user's size stays.
    if (!isVisible()) fitToTable();
}

// The whole table where the screen has room; a large one scrolls inside
// the window, which stays within the screen, its buttons in reach.
void CombinedWindow::fitToTable()
{
    ensurePolished();
    const int frame = 2 * table_->frameWidth();
    const QSize tableSize(
        frame + table_->horizontalHeader()->length() + table_->verticalScrollBar()->sizeHint().width(),
        frame + table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length());
    const QMargins margins = layout()->contentsMargins();
    QSize wanted(std::max(tableSize.width(), 360) + margins.left() + margins.right(),
                 tableSize.height() + heading_->heightForWidth(tableSize.width()) +
                     findChild<QDialogButtonBox*>()->sizeHint().height() + 2 * layout()->spacing() + margins.top() +
                     margins.bottom());
    resize(wanted.boundedTo(largestOnScreen(*this)));
}

void CombinedWindow::copyAsText() { QApplication::clipboard()->setText(fromStd(combinedPageText(page_))); }

CombinedWindow::Commands combinedPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                               PrinterChooser printers)
{
    const auto printing = std::make_shared<PagePrinting>(messages, std::move(dialogs), std::move(printers),
                                                         kCombinedTitle, "qismaru-combined");
    CombinedWindow::Commands commands;
    commands.print = [printing](const CombinedPage& page, QWidget* parent) {
        printing->print([&page] { return combinedDocument(page); }, parent);
    };
    commands.savePdf = [printing](const CombinedPage& page, QWidget* parent) {
        printing->savePdf([&page] { return combinedDocument(page); }, parent);
    };
    return commands;
}

CombinedWindow::Commands combinedPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs)
{
    return combinedPrintCommands(messages, std::move(dialogs), printDialogFor(kCombinedTitle));
}

}  // namespace qismaru::ui
