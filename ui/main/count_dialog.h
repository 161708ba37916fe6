#pragma once

#include <QWidget>

#include "model/heir_kind.h"

class QLabel;

namespace qismaru::ui {

class CaptionButton;
class CaseDocument;
class EntryList;
class MessageBoxes;
class UpDownControl;

// The count dialog `Form2`: how many heirs of the kind named by the case's
// current code. Shown without blocking; while it is open the main window is
// disabled. OK records the number and draws the entry; Cancel (or the close
// box) leaves the case as it was. From the keyboard: digits typed (Western
// or Arabic-Indic) and Backspace, Up and Down as the arrows, Enter as OK
// (or the focused button), Escape as Cancel; Tab reaches the arrows too.
class CountDialog : public QWidget {
    Q_OBJECT

public:
    // The count goes to the document's keypad, under its school.
    CountDialog(CaseDocument& document, EntryList& entryList, QWidget& mainWindow, MessageBoxes& messages);

    QLabel* countLabel() const { return countLabel_; }
    UpDownControl* upDown() const { return upDown_; }
    CaptionButton* okButton() const { return ok_; }
    CaptionButton* cancelButton() const { return cancel_; }

    int shownCount() const;
    void showCount(int count);

    // Names the kind counted, under the number and in the dialog's tip.
    void askFor(HeirKind kind);
    QLabel* kindLabel() const { return kindLabel_; }

    // The up arrow: one more, up to the largest count a kind can hold.
    void raiseCount();
    // The down arrow: one fewer, never below 0.
    void lowerCount();
    // A digit typed after the number shown.
    void typeDigit(int digit);
    void confirm();
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void finish();

    CaseDocument& document_;
    EntryList& entryList_;
    QWidget& mainWindow_;
    MessageBoxes& messages_;
    QLabel* countLabel_;
    QLabel* kindLabel_;
    UpDownControl* upDown_;
    CaptionButton* ok_;
    CaptionButton* cancel_;
    bool finished_ = false;
};

}  // namespace qismaru::ui
