#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>

#include "present/heir_labels.h"
#include "present/positions_text.h"
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
#include "ui/main/waiting_marks.h"
#include "ui/reports/waiting_window.h"

namespace qismaru::ui {

namespace {

// The caption of the window as it always was; another school or position is
// added to it, so that no answer is read as the Hanafi one by mistake.
const char* const kCaption = "قسمارو 2";

// Why the heir buttons and Cancel last choice do nothing once the case is
// computed: the table on screen is the answer of the heirs entered.
const char* const kComputedCaseHint = "المسألة محسوبة: احسب مسألة جديدة بالضغط على «مسألة جديدة»";

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
    windowPlaces_ = new WindowPlaces(this);
    document_ = new CaseDocument(*this, messages_, *windowPlaces_);
    connect(document_, &CaseDocument::answerChanged, this, &MainWindow::showAnswer);
    connect(document_, &CaseDocument::fileChanged, this, &MainWindow::updateTitle);
    connect(document_, &CaseDocument::caseReplaced, this, &MainWindow::showEntries);
    connect(document_, &CaseDocument::relativesChanged, this, &MainWindow::showEntries);
    connect(document_, &CaseDocument::marksChanged, this, &MainWindow::showEntries);
    // The relatives by path, and the marks of what waits, follow the heirs of
    // the buttons in the list, and move down or up a row as one is entered or
    // withdrawn.
    connect(document_, &CaseDocument::answerChanged, this, [this] {
        if (!document_->session().relativesByPath().empty() || !waitingMarks(document_->session()).empty())
            showEntries();
    });
    connect(document_, &CaseDocument::positionsChanged, this, &MainWindow::positionsChanged);
    createMenu();
    // Below the designed client area: the hints of the menus' items, and
    // what a command did (a case saved).
    statusBar()->setSizeGripEnabled(false);
    hintDisabledItems(*menuBar(), *statusBar());
    // How long the status bar says what a command did.
    constexpr int kStatusMilliseconds = 6000;
    connect(document_, &CaseDocument::done, this,
            [this](const QString& what) { statusBar()->showMessage(what, kStatusMilliseconds); });
    setFixedSize(sizeHint());
}

const CaseState& MainWindow::caseState() const { return document_->session().state(); }

const Positions& MainWindow::positions() const { return document_->session().positions(); }

const CaseResult& MainWindow::caseResult() const { return document_->answer().result(); }

bool MainWindow::differsFromHanafi() const { return document_->answer().differsFromHanafi(); }

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
        const char* family = heir.kind == HeirKind::UterineSiblings ? kSimplifiedArabic : kTraditionalArabic;
        auto* button =
            new CaptionButton(design::kHeirButtons[indexOf(heir.kind)], fromView(labelsOf(heir.kind).buttonCaption),
                              geometryOf(heir.place), designFont(family, heir.place.fontPoints), client);
        connect(button, &QPushButton::clicked, this, [this, kind = heir.kind] { pressHeirButton(kind); });
        heirButtons_[indexOf(heir.kind)] = button;
    }

    // Tab goes through the heir buttons as the grid is read, not in the
    // order the buttons were made.
    const std::array<HeirKind, kHeirKindCount> reading = heirButtonsInReadingOrder();
    for (std::size_t i = 1; i < reading.size(); ++i) setTabOrder(heirButton(reading[i - 1]), heirButton(reading[i]));

    const auto command = [&](const char* name, const char* caption, const ControlPlace& place,
                             void (MainWindow::*handler)()) {
        auto* button = new CaptionButton(name, caption, geometryOf(place),
                                         designFont(kTraditionalArabic, place.fontPoints), client);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    command(design::kCalculateButton, "الحـســــــاب", kCalculatePlace, &MainWindow::calculate);
    command(design::kNewCaseButton, "مـسألة جــــــديــــدة", kNewCasePlace, &MainWindow::newCase);
    cancelLast_ =
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
    const KeyPress key = document_->press(kind);
    switch (key.outcome) {
    case KeyOutcome::Ignored: sayWhyComputedCaseIsClosed(); return;
    case KeyOutcome::Refused: messages_.inform(this, kProgramCaption, QString::fromStdString(key.refusal)); return;
    case KeyOutcome::Entered: entryList_->drawEntry(key.row, kind, key.count); return;
    case KeyOutcome::AskCount: openCountDialog(kind); return;
    }
}

void MainWindow::openCountDialog(HeirKind kind)
{
    if (!countDialog_) countDialog_ = new CountDialog(*document_, *entryList_, *this, messages_);
    countDialog_->askFor(kind);
    showOver(*countDialog_, *this);
}

void MainWindow::calculate()
{
    const Calculation calculation = document_->calculate();
    tell(calculation);
    if (calculation.outcome != Calculation::Outcome::Answered) return;
    document_->showSettlement();
    document_->showCombined();
    document_->showWaiting();
}

void MainWindow::tell(const Calculation& calculation)
{
    for (const std::string& said : calculation.said)
        messages_.inform(this, kProgramCaption, QString::fromStdString(said));
}

void MainWindow::showAnswer()
{
    const CaseAnswer& answer = document_->answer();
    resultArea_->clear();
    if (answer.divided()) drawPlacedTexts(*resultArea_, answer.table(TableMedium::Screen).placedTexts());
    updateTitle();
    // The buttons a computed case leaves inert say why when pointed at.
    const QString hint = caseState().computed ? kComputedCaseHint : QString();
    for (CaptionButton* button : heirButtons_) button->setToolTip(hint);
    cancelLast_->setToolTip(hint);
    if (hint.isEmpty() && statusBar()->currentMessage() == kComputedCaseHint) statusBar()->clearMessage();
    // A case that waits, and those who died together, are divided by tables
    // of their own, in their own window; their solution is written too.
    emit caseDivided(answer.divided() || hasWaitingTables(answer));
}

void MainWindow::setPositions(const Positions& positions) { tell(document_->setPositions(positions)); }

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
    if (positions() != Positions{}) title += " — " + QString::fromStdString(positionsLine(positions()));
    if (const std::string mark = document_->answer().differenceMark(); !mark.empty())
        title += " — " + QString::fromStdString(mark);
    setWindowTitle(title);
    setWindowFilePath(path);
    setWindowModified(document_->hasUnsavedWork());
}

void MainWindow::cancelLastChoice()
{
    if (const auto row = document_->cancelLast()) {
        entryList_->eraseRow(*row);
        if (!document_->session().relativesByPath().empty()) showEntries();
    } else {
        sayWhyComputedCaseIsClosed();
    }
}

void MainWindow::sayWhyComputedCaseIsClosed()
{
    if (caseState().computed) statusBar()->showMessage(kComputedCaseHint);
}

void MainWindow::newCase()
{
    if (mayLeaveCase()) document_->newCase();
}

void MainWindow::showEntries()
{
    entryList_->clear();
    for (const HeirEntry& heir : document_->session().heirs()) {
        entryList_->drawEntry(*caseState().entryRow[indexOf(heir.kind)], heir.kind, heir.count);
    }
    const CaseSession& session = document_->session();
    const bool sexGiven = uterineSexGiven(session.allRelatives());
    int row = caseState().nextRow;
    for (const RelativeEntry& relative : session.relativesByPath()) {
        const bool one = isOnePerson(kinshipOf(relative.path));
        entryList_->drawRelative(row++,
                                 QString::fromStdString(relativeRowName(relative, sexGiven, TableMedium::Screen)),
                                 one ? std::nullopt : std::optional<int>(relative.count));
    }
    for (const EntryMark& mark : waitingMarks(session)) entryList_->drawRelative(row++, mark.name, mark.count);
}

void MainWindow::loadCase(const CaseState& state) { document_->replaceHeirs(state); }

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
    // The page prints the table of the main window, which a case that waits
    // has not: its window shows its tables.
    if (caseState().computed && windows_.print && !hasWaitingTables(document_->answer())) windows_.print();
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
