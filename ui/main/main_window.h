#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "answer/case_session.h"
#include "ui/main/count_dialog.h"

class QAction;

namespace qismaru::ui {

class CaptionButton;
class CaseDocument;
class DrawingSurface;
class EntryList;
class MessageBoxes;
class WindowPlaces;

// The windows the main window opens; each may be left empty, and then its
// command does nothing.
struct SecondaryWindows {
    std::function<void()> welcome;           // at the first activation of a run
    std::function<void()> exitConfirmation;  // menu "الخروج", and the close box
    // Ends the program at once: after the one question about unsaved work,
    // which stands in for the exit confirmation.
    std::function<void()> endProgram;
    std::function<void()> about;             // menu "نبذة"
    std::function<void()> explanationIndex;  // menu "إيــضــــاح"
    std::function<void()> print;             // Print, for a computed case
    std::function<void()> solutionSteps;     // menu "خطوات الحل", for a divided case
    std::function<void()> schoolsHelp;       // menu "المذهب", item "المذاهب الأربعة"
};

// The main window `Form1`: the heir buttons, the entry list `pic`, the result
// area `pic1`, Calculate, Print, Cancel last choice, New case and the menu.
// It owns the document of the case, whose session enters the heirs and
// holds the answer; its handlers only pass the presses on, tell the user
// what they came to, and draw the answer.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(MessageBoxes& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Set by whoever provides the secondary windows (the help windows, printing).
    SecondaryWindows& secondaryWindows() { return windows_; }

    const CaseState& caseState() const;
    CaseDocument& document() const { return *document_; }
    // Where the windows read beside this one open and were left.
    WindowPlaces& windowPlaces() const { return *windowPlaces_; }
    // The welcome window greets once per run; it says when it has.
    void markWelcomeShown() { welcomeShown_ = true; }
    bool welcomeShown() const { return welcomeShown_; }
    const CaseResult& caseResult() const;
    // The school and positions the case is answered by (menu "المذهب").
    const Positions& positions() const;
    // Whether the table shown gives another answer than the Hanafi school
    // without the extra positions; the title then says so.
    bool differsFromHanafi() const;
    EntryList* entryList() const { return entryList_; }
    DrawingSurface* resultArea() const { return resultArea_; }
    CountDialog* countDialog() const { return countDialog_; }
    CaptionButton* heirButton(HeirKind kind) const { return heirButtons_[indexOf(kind)]; }

    // The handlers of the buttons, callable by scripts and tests as a press.
    void pressHeirButton(HeirKind kind);
    void calculate();
    void cancelLastChoice();
    void newCase();
    void print();
    // Chooses the school and positions. A computed case is answered again
    // under them at once, so that no table of another school stays on
    // screen; a case they cannot answer (too many grandmothers) is
    // reopened, with the reason.
    void setPositions(const Positions& positions);

    // Replaces the case with one entered elsewhere (a case file), drawn in
    // the entry list as if its heirs had been pressed in order.
    void loadCase(const CaseState& state);

signals:
    // Whether the answer shown divides the case (not open, not stopped): by
    // the table, or, for a case that waits or those who died together, by
    // the tables of their own window.
    void caseDivided(bool divided);
    void positionsChanged(const qismaru::Positions& positions);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(QWidget* client);
    void createMenu();
    void addSolutionStepsItem();
    void openCountDialog(HeirKind kind);
    // Disables this window and opens a secondary window, if there is one.
    void openOver(const std::function<void()>& open);
    bool mayLeaveCase();
    // The menu "الخروج" and the close box.
    void leaveProgram();
    // Says, one message at a time, what Calculate or the positions came to.
    void tell(const Calculation& calculation);
    // The views of the document's case on this window: the entry list; the
    // table, the title and the menu item of the solution.
    void showEntries();
    void showAnswer();
    void updateTitle();
    // In the status bar, where a computed case makes a press do nothing.
    void sayWhyComputedCaseIsClosed();

    MessageBoxes& messages_;
    SecondaryWindows windows_;
    CaseDocument* document_ = nullptr;
    WindowPlaces* windowPlaces_ = nullptr;
    bool welcomeShown_ = false;
    EntryList* entryList_ = nullptr;
    DrawingSurface* resultArea_ = nullptr;
    std::array<CaptionButton*, kHeirKindCount> heirButtons_{};
    CaptionButton* cancelLast_ = nullptr;
    QPointer<CountDialog> countDialog_;
};

}  // namespace qismaru::ui
