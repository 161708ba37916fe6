#include "ui/main/count_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <array>

#include "model/case_entry.h"
#include "present/heir_labels.h"
#include "present/refusal_texts.h"
#include "ui/document/case_document.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/kit/up_down_control.h"
#include "ui/main/entry_list.h"

namespace qismaru::ui {

namespace {

constexpr double kCountPoints = 12;

// The number's font: the designed one while the number fits the label; a
// longer number is drawn narrower first, then smaller, but not below a
// readable size, so that every count up to 32767 shows whole.
QFont countFont(const QFont& designed, const QString& number, int width)
{
    QFont font = designed;
    for (double points = designed.pointSizeF(); points >= kSmallestReadablePoints; points -= 0.5) {
        for (const int stretch : {100, 90, 80, 75}) {
            font.setPointSizeF(points);
            font.setStretch(stretch);
            if (QFontMetrics(font).horizontalAdvance(number) <= width) return font;
        }
    }
    return font;
}

}  // namespace

CountDialog::CountDialog(CaseDocument& document, EntryList& entryList, QWidget& mainWindow, MessageBoxes& messages)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      document_(document),
      entryList_(entryList),
      mainWindow_(mainWindow),
      messages_(messages)
{
    setObjectName(design::kCountDialog);
    setWindowTitle(" حدد العدد");
    setAttribute(Qt::WA_DeleteOnClose);
    // The window system keeps the main window from taking input or focus
    // while the dialog is open, whatever the user clicks.
    setWindowModality(Qt::WindowModal);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(twipsSize(1920, 1068));
    setFont(designFont(kMsSansSerif, 7.8));

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(design::kCountLabel);
    countLabel_->setGeometry(twipsRect(120, 360, 492, 372));
    countLabel_->setAlignment(Qt::AlignCenter);
    countLabel_->setAutoFillBackground(true);
    countLabel_->setBackgroundRole(QPalette::Window);
    countLabel_->setForegroundRole(QPalette::WindowText);
    countLabel_->setFrameShape(QFrame::StyledPanel);
    showCount(0);
    // The caption is cut short by the title bar of so narrow a window: the
    // kind counted is named under the number, in the band the design leaves
    // free there.
    kindLabel_ = new QLabel(this);
    kindLabel_->setGeometry(twipsRect(0, 852, 960, 216));
    kindLabel_->setAlignment(Qt::AlignCenter);

    upDown_ = new UpDownControl(twipsRect(600, 240, 252, 612), this);
    const QFont buttons = designFont(kTraditionalArabic, 13.8);
    ok_ = new CaptionButton(design::kCountOkButton, "موافق", twipsRect(960, 120, 855, 375), buttons, this);
    cancel_ = new CaptionButton(design::kCountCancelButton, "إلغاء", twipsRect(960, 600, 855, 375), buttons, this);

    connect(upDown_, &UpDownControl::upPressed, this, &CountDialog::raiseCount);
    connect(upDown_, &UpDownControl::downPressed, this, &CountDialog::lowerCount);
    connect(ok_, &QPushButton::clicked, this, &CountDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &CountDialog::cancel);
    // The buttons would take the arrow keys to move the focus among them.
    const std::array<QWidget*, 4> focusable{ok_, cancel_, upDown_->upArrow(), upDown_->downArrow()};
    for (QWidget* control : focusable) control->installEventFilter(this);
    // From OK, the first control the dialog gives the focus to, to the arrows.
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, upDown_->upArrow());
    setTabOrder(upDown_->upArrow(), upDown_->downArrow());
    ok_->setFocus();
}

void CountDialog::askFor(HeirKind kind)
{
    const QString name = fromView(labelsOf(kind).displayName);
    kindLabel_->setText(name);
    setToolTip(windowTitle().trimmed() + ": " + name);
    setAccessibleName(toolTip());
}

int CountDialog::shownCount() const { return countLabel_->text().toInt(); }

void CountDialog::showCount(int count)
{
    const QString number = QString::number(count);
    // One pixel clear of the frame on either side.
    const int room = countLabel_->contentsRect().width() - 2;
    countLabel_->setFont(countFont(designFont(kArabicTransparent, kCountPoints), number, room));
    countLabel_->setText(number);
}

void CountDialog::raiseCount()
{
    // A count is a 16-bit field. At its top the arrow says why it no longer
    // moves, rather than seeming broken.
    if (shownCount() >= kMaxCount) {
        messages_.inform(this, kProgramCaption, QString::fromStdString(countLimitText()));
        return;
    }
    showCount(countAfterUpArrow(shownCount()));
}

void CountDialog::lowerCount() { showCount(countAfterDownArrow(shownCount())); }

void CountDialog::typeDigit(int digit)
{
    const int typed = shownCount() * 10 + digit;
    if (typed > kMaxCount) {
        messages_.inform(this, kProgramCaption, QString::fromStdString(countLimitText()));
        return;
    }
    showCount(typed);
}

bool CountDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) raiseCount();
        if (key == Qt::Key_Down) lowerCount();
        if (key == Qt::Key_Up || key == Qt::Key_Down) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CountDialog::keyPressEvent(QKeyEvent* event)
{
    // OK and Cancel take Enter and Space themselves when they have the focus.
    switch (event->key()) {
    case Qt::Key_Up: raiseCount(); return;
    case Qt::Key_Down: lowerCount(); return;
    case Qt::Key_Backspace: showCount(shownCount() / 10); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: confirm(); return;  // the arrows are the number's, not buttons of their own
    case Qt::Key_Escape: cancel(); return;
    default: break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isDigit()) {
        typeDigit(typed.front().digitValue());
        return;
    }
    QWidget::keyPressEvent(event);
}

void CountDialog::confirm()
{
    const KeyPress key = document_.confirmCount(shownCount());
    switch (key.outcome) {
    case KeyOutcome::Ignored:
    case KeyOutcome::AskCount: return;  // 0: the user must raise the number or cancel
    case KeyOutcome::Refused: messages_.inform(this, kProgramCaption, QString::fromStdString(key.refusal)); return;
    case KeyOutcome::Entered: entryList_.drawEntry(key.row, key.kind, key.count); break;
    }
    mainWindow_.setEnabled(true);
    finish();
}

void CountDialog::cancel()
{
    document_.cancelCount();
    mainWindow_.setEnabled(true);
    mainWindow_.raise();
    mainWindow_.activateWindow();
    finish();
}

void CountDialog::finish()
{
    finished_ = true;
    close();
}

void CountDialog::showEvent(QShowEvent* event)
{
    mainWindow_.setEnabled(false);
    QWidget::showEvent(event);
}

void CountDialog::changeEvent(QEvent* event)
{
    // A click on the dialog while another window is active activates it only
    // after the click is handled: the activation of a dialog that OK or
    // Cancel has closed must not disable the main window for good.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && !finished_)
        mainWindow_.setEnabled(false);
    QWidget::changeEvent(event);
}

void CountDialog::closeEvent(QCloseEvent* event)
{
    // The close box does what Cancel does, so the main window is never left disabled.
    if (!finished_) {
        finished_ = true;
        document_.cancelCount();
        mainWindow_.setEnabled(true);
    }
    QWidget::closeEvent(event);
}

}  // namespace qismaru::ui
