#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

#include "engine/compute_case.h"
#include "model/case_entry.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/result_table.h"
#include "ui/caption_button.h"
#include "ui/count_dialog.h"
#include "ui/design_names.h"
#include "ui/entry_list.h"
#include "ui/fonts.h"
#include "ui/line_control.h"
#include "ui/main_window_layout.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/result_area.h"
#include "ui/school_menu.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace qismaru::ui {

namespace {

// The caption of the window as it always was; another school or position is
// added to it, so that no answer is read as the Hanafi one by mistake.
const char* const kCaption = "قسمارو 2";

QRect geometryOf(const ControlPlace& place) { return twipsRect(place.left, place.top, place.width, place.height); }

}  // namespace

MainWindow::MainWindow(MessageBoxes& messages, QWidget* parent) : QMainWindow(parent), messages_(messages)
{
    setObjectName(design::kMainWindow);
    setWindowTitle(kCaption);
    setLayoutDirection(Qt::RightToLeft);

    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(kClientWidth, kClientHeight));
    client->setFont(designFont(kMsSansSerif, 7.8));
    setCentralWidget(client);
    createControls(client);
    createMenu();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() { delete countDialog_; }

void MainWindow::createControls(QWidget* client)
{
    entryList_ = new EntryList(client);
    entryList_->move(px(0), px(120));
    resultArea_ = createResultArea(client);
    resultArea_->move(px(2040), px(120));
    const LineGeometry listTop[] = {{design::kListTopLine, 0, 120, 1920, 120, 3, windowTextColour()}};
    addLines(listTop, client);

    for (const HeirButtonPlace& heir : heirButtonPlaces()) {
        const HeirKindInfo& info = infoOf(heir.kind);
        const char* family = heir.kind == HeirKind::UterineSiblings ? kSimplifiedArabic : kTraditionalArabic;
        auto* button = new CaptionButton(fromView(info.buttonName), fromView(info.buttonCaption),
                                         geometryOf(heir.place), designFont(family, heir.place.fontPoints), client);
        connect(button, &QPushButton::clicked, this, [this, kind = heir.kind] { pressHeirButton(kind); });
        heirButtons_[indexOf(heir.kind)] = button;
    }

    const auto command = [&](const char* name, const char* caption, const ControlPlace& place,
                             void (MainWindow::*handler)()) {
        auto* button = new CaptionButton(name, caption, geometryOf(place),
                                         designFont(kTraditionalArabic, place.fontPoints), client);
        connect(button, &QPushButton::clicked, this, handler);
    };
    command(design::kCalculateButton, "الحـســــــاب", kCalculatePlace, &MainWindow::calculate);
    command(design::kNewCaseButton, "مـسألة جــــــديــــدة", kNewCasePlace, &MainWindow::newCase);
    command(design::kCancelLastButton, " إلغاء آخر اختيار", kCancelLastPlace, &MainWindow::cancelLastChoice);
    command(design::kPrintButton, " طباعة", kPrintPlace, &MainWindow::print);

    // The line along the top of the list belongs to the window and is drawn above the list.
    client->findChild<LineControl*>(design::kListTopLine)->raise();
}

void MainWindow::createMenu()
{
    const auto item = [this](const char* name, const char* caption, auto handler) {
        auto* action = menuBar()->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    item(design::kExitMenu, "الخروج", [this] {
        if (mayLeaveCase()) openOver(windows_.exitConfirmation);
    });
    // The About window disables the main window itself when it becomes active.
    item(design::kAboutMenu, "نبذة", [this] {
        if (windows_.about) windows_.about();
    });
    item(design::kExplanationMenu, "إيــضــــاح", [this] { openOver(windows_.explanationIndex); });
    addSolutionStepsItem();
    addSchoolMenu(*this);
}

// The solution of the computed case, open beside the main window, which stays usable.
void MainWindow::addSolutionStepsItem()
{
    QAction* steps = menuBar()->addAction("خطوات الحل");
    steps->setObjectName(design::kSolutionStepsMenu);
    steps->setEnabled(false);
    connect(this, &MainWindow::caseDivided, steps, &QAction::setEnabled);
    connect(steps, &QAction::triggered, this, [this] {
        if (windows_.solutionSteps) windows_.solutionSteps();
    });
}

void MainWindow::openOver(const std::function<void()>& open)
{
    if (!open) return;
    setEnabled(false);
    open();
}

void MainWindow::pressHeirButton(HeirKind kind)
{
    const PressResult press = qismaru::pressHeirButton(state_, kind);
    switch (press.outcome) {
    case PressOutcome::Ignored: return;
    case PressOutcome::SpouseConflict: messages_.inform(this, kProgramCaption, kSpouseConflictText); return;
    case PressOutcome::Entered: entryList_->drawEntry(press.row, kind, 1); return;
    case PressOutcome::AskCount: openCountDialog(); return;
    }
}

void MainWindow::openCountDialog()
{
    if (!countDialog_) countDialog_ = new CountDialog(state_, positions_, *entryList_, *this, messages_);
    showOver(*countDialog_, *this);
}

void MainWindow::calculate()
{
    if (!canCalculate(state_) || refuseGrandmothers()) return;
    const std::optional<CaseOutcome> outcome = answerCase();
    if (!outcome) return;
    markComputed(state_);
    emit caseDivided(*outcome == CaseOutcome::Computed);
}

std::optional<CaseOutcome> MainWindow::answerCase()
{
    const CaseComputation computation = computeCase(state_.counts, positions_);
    if (computation.outcome == CaseOutcome::BeyondExactRange) {
        messages_.inform(this, kProgramCaption, kBeyondExactRangeText);
        return std::nullopt;
    }
    result_ = computation.result;
    const bool divided = computation.outcome == CaseOutcome::Computed;
    if (divided) drawPlacedTexts(*resultArea_, layoutResultTable(state_.counts, result_, TableMedium::Screen));
    differsFromHanafi_ = divided && qismaru::differsFromHanafi(state_.counts, computation);
    updateTitle();
    for (const CaseMessage message : computation.messages) {
        messages_.inform(this, kProgramCaption, fromView(messageText(message)));
    }
    // The user chose no return; the table alone would leave the surplus unsaid.
    if (divided && positions_.noReturn && result_.undistributedRemainder) {
        messages_.inform(this, kProgramCaption, QString::fromStdString(surplusToTreasuryText(result_)));
    }
    return computation.outcome;
}

// Under the Malikis and the Hanbalis fewer grandmothers inherit than may have
// been entered under another school.
bool MainWindow::refuseGrandmothers()
{
    if (!grandmothersBeyondLimit(state_.counts, positions_.school)) return false;
    messages_.inform(this, kProgramCaption, QString::fromStdString(grandmotherLimitText(positions_.school)));
    return true;
}

void MainWindow::setPositions(Positions positions)
{
    // Only the Maliki and Shafi'i schools knew the doctrine of no return.
    positions = effectivePositions(positions);
    if (positions == positions_) return;
    positions_ = positions;
    emit positionsChanged(positions_);
    if (state_.computed) {
        // Calculate again, under the new positions, with its refusals.
        withdrawAnswer();
        calculate();
    } else {
        refuseGrandmothers();
    }
    updateTitle();
}

// The table of the former positions leaves the screen; the case stays as
// entered, open again, until it is answered anew.
void MainWindow::withdrawAnswer()
{
    resultArea_->clear();
    result_ = CaseResult{};
    differsFromHanafi_ = false;
    reopenCase(state_);
    emit caseDivided(false);
}

void MainWindow::updateTitle()
{
    QString title = kCaption;
    if (positions_ != Positions{}) title += " — " + QString::fromStdString(positionsLine(positions_));
    if (differsFromHanafi_) title += " — " + QString::fromStdString(differsFromHanafiNote(positions_));
    setWindowTitle(title);
    emit differenceFromHanafiShown(differsFromHanafi_);
}

void MainWindow::cancelLastChoice()
{
    if (const auto row = qismaru::cancelLastChoice(state_)) entryList_->eraseRow(*row);
}

void MainWindow::newCase()
{
    if (!mayLeaveCase()) return;
    clearCase();
    emit caseReplaced();
}

void MainWindow::clearCase()
{
    entryList_->clear();
    resultArea_->clear();
    startNewCase(state_);
    result_ = CaseResult{};
    differsFromHanafi_ = false;
    updateTitle();
    emit caseDivided(false);
}

void MainWindow::loadCase(const CaseState& state)
{
    clearCase();
    state_ = state;
    for (const HeirEntry& heir : enteredHeirs(state_)) {
        entryList_->drawEntry(*state_.entryRow[indexOf(heir.kind)], heir.kind, heir.count);
    }
    emit caseReplaced();
}

bool MainWindow::mayLeaveCase() { return !windows_.mayLeaveCase || windows_.mayLeaveCase(); }

void MainWindow::print()
{
    if (state_.computed && windows_.print) windows_.print();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    if (!welcomeShown_ && windows_.welcome) openOver(windows_.welcome);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks the same question as the menu item "الخروج".
    if (windows_.exitConfirmation) {
        event->ignore();
        if (isEnabled() && mayLeaveCase()) openOver(windows_.exitConfirmation);
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace qismaru::ui
