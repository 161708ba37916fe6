#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>

#include "engine/compute_case.h"
#include "model/case_entry.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/result_table.h"
#include "ui/document/case_document.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/line_control.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/result_area.h"
#include "ui/kit/status_hints.h"
#include "ui/kit/twips.h"
#include "ui/kit/window_placement.h"
#include "ui/main/count_dialog.h"
#include "ui/main/entry_list.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/school_menu.h"

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
    document_ = new CaseDocument(*this, messages_);
    windowPlaces_ = new WindowPlaces(this);
    connect(document_, &CaseDocument::answerChanged, this, &MainWindow::showAnswer);
    connect(document_, &CaseDocument::fileChanged, this, &MainWindow::updateTitle);
    createMenu();
    // Below the designed client area: the hints of the menus' items, and
    // what a command did (a case saved).
    statusBar()->setSizeGripEnabled(false);
    hintDisabledItems(*menuBar(), *statusBar());
    setFixedSize(sizeHint());
}

const CaseResult& MainWindow::caseResult() const { return document_->answer().result(); }

bool MainWindow::differsFromHanafi() const { return document_->answer().differsFromHanafi; }

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
    // The designed captions, with a letter each for the keyboard (Alt and
    // the letter, on an Arabic keyboard layout).
    item(design::kExitMenu, "ال&خروج", [this] { leaveProgram(); });
    // The About window disables the main window itself when it becomes active.
    item(design::kAboutMenu, "&نبذة", [this] {
        if (windows_.about) windows_.about();
    });
    item(design::kExplanationMenu, "إيــ&ضــــاح", [this] { openOver(windows_.explanationIndex); });
    addSolutionStepsItem();
    addSchoolMenu(*this);
}

// The solution of the computed case, open beside the main window, which stays usable.
void MainWindow::addSolutionStepsItem()
{
    QAction* steps = menuBar()->addAction("خ&طوات الحل");
    steps->setObjectName(design::kSolutionStepsMenu);
    steps->setEnabled(false);
    connect(this, &MainWindow::caseDivided, steps, [steps](bool divided) {
        steps->setEnabled(divided);
        steps->setStatusTip(divided ? "حل المسألة كما يكتبه المعلم، خطوة خطوة"
                                    : "تتاح خطوات الحل بعد «الحساب» لمسألة قُسمت");
    });
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
    const KindCounts before = state_.counts;
    const PressResult press = qismaru::pressHeirButton(state_, kind, positions_.school);
    switch (press.outcome) {
    case PressOutcome::Ignored: return;
    case PressOutcome::SpouseConflict:
    case PressOutcome::TooManyGrandmothers:
        messages_.inform(this, kProgramCaption,
                         QString::fromStdString(pressRefusalText(press.outcome, before, kind, positions_.school)));
        return;
    case PressOutcome::Entered:
        entryList_->drawEntry(press.row, kind, 1);
        document_->caseEdited();
        return;
    case PressOutcome::AskCount: openCountDialog(); return;
    }
}

void MainWindow::openCountDialog()
{
    if (!countDialog_) {
        countDialog_ = new CountDialog(state_, positions_, *entryList_, *this, messages_);
        connect(countDialog_, &CountDialog::recorded, document_, &CaseDocument::caseEdited);
    }
    showOver(*countDialog_, *this);
}

void MainWindow::calculate()
{
    if (!canCalculate(state_) || refuseGrandmothers()) return;
    if (!answerCase()) return;
    document_->showSettlement();
    document_->showCombined();
}

bool MainWindow::answerCase()
{
    if (document_->calculate() == CaseOutcome::BeyondExactRange) {
        messages_.inform(this, kProgramCaption, kBeyondExactRangeText);
        return false;
    }
    markComputed(state_);
    const CaseComputation& computation = *document_->answer().computation;
    for (const CaseMessage message : computation.messages) {
        messages_.inform(this, kProgramCaption, fromView(messageText(message)));
    }
    if (const std::string surplus = surplusNote(computation); !surplus.empty()) {
        messages_.inform(this, kProgramCaption, QString::fromStdString(surplus));
    }
    // Later deaths that no longer join (another school left a deceased
    // nothing, say) are kept, and the user told why they are not divided.
    if (const auto& later = document_->answer().successive; later && !later->joined()) {
        messages_.inform(this, kProgramCaption, QString::fromStdString(later->refusalText()));
    }
    return true;
}

void MainWindow::showAnswer()
{
    const ShownAnswer& answer = document_->answer();
    resultArea_->clear();
    if (answer.divided())
        drawPlacedTexts(*resultArea_, layoutResultTable(answer.counts, answer.result(), TableMedium::Screen));
    updateTitle();
    emit caseDivided(answer.divided());
}

// Under the Malikis and the Hanbalis fewer grandmothers inherit than may have
// been entered under another school.
bool MainWindow::refuseGrandmothers()
{
    if (!grandmothersBeyondLimit(state_.counts, positions_.school)) return false;
    messages_.inform(this, kProgramCaption,
                     QString::fromStdString(grandmotherLimitText(positions_.school, state_.counts)));
    return true;
}

void MainWindow::setPositions(Positions positions)
{
    // Only the Maliki and Shafi'i schools knew the doctrine of no return.
    positions = effectivePositions(positions);
    if (positions == positions_) return;
    positions_ = positions;
    emit positionsChanged(positions_);
    // A computed case is answered again under the new positions, with
    // Calculate's refusals; one they refuse is withdrawn, open again, so
    // that no answer of the former positions stays on any window.
    const bool answered = state_.computed;
    reopenCase(state_);
    if (refuseGrandmothers() || !answered || !answerCase()) document_->caseEdited();
}

// The designed caption stays; before it, the open file's name, marked while
// there is unsaved work, as Qt marks it ("[*]"); after it, the school and
// positions when they are not the Hanafi default, and the mark of an answer
// that differs from the Hanafi one.
void MainWindow::updateTitle()
{
    QString title = kCaption;
    const QString& path = document_->path();
    if (!path.isEmpty()) {
        title = QFileInfo(path).fileName() + "[*] — " + title;
    } else if (document_->hasUnsavedWork()) {
        title += "[*]";
    }
    if (positions_ != Positions{}) title += " — " + QString::fromStdString(positionsLine(positions_));
    const ShownAnswer& answer = document_->answer();
    if (answer.differsFromHanafi) title += " — " + QString::fromStdString(answer.differenceMark);
    setWindowTitle(title);
    setWindowFilePath(path);
    setWindowModified(document_->hasUnsavedWork());
}

void MainWindow::cancelLastChoice()
{
    if (const auto row = qismaru::cancelLastChoice(state_)) {
        entryList_->eraseRow(*row);
        document_->caseEdited();
    }
}

void MainWindow::newCase()
{
    if (!mayLeaveCase()) return;
    clearCase();
    emit caseReplaced();
    document_->caseEdited();
}

void MainWindow::clearCase()
{
    entryList_->clear();
    startNewCase(state_);
}

void MainWindow::loadCase(const CaseState& state)
{
    clearCase();
    state_ = state;
    for (const HeirEntry& heir : enteredHeirs(state_)) {
        entryList_->drawEntry(*state_.entryRow[indexOf(heir.kind)], heir.kind, heir.count);
    }
    emit caseReplaced();
    document_->caseEdited();
}

bool MainWindow::mayLeaveCase() { return document_->mayLeaveCase(); }

// Unsaved work is asked about once: the question whether to save it stands
// in for the exit confirmation, and its answer ends the program or not.
void MainWindow::leaveProgram()
{
    if (document_->hasUnsavedWork() && windows_.endProgram) {
        if (mayLeaveCase()) windows_.endProgram();
        return;
    }
    openOver(windows_.exitConfirmation);
}

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
        if (isEnabled()) leaveProgram();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace qismaru::ui
