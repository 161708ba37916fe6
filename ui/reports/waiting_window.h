#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "answer/case_answer.h"
#include "answer/waiting_table.h"
#include "ui/printing/case_printer.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace qismaru::ui {

// Whether an answer is shown by the waiting window: a case that waits, or of
// those who died together, divided (not refused).
bool hasWaitingTables(const CaseAnswer& answer);

// The window of a case that waits, or of those who died together, whose
// answer the main window's table cannot hold: a table for the division (a
// row per heir, a column per outcome, what each is given now and its
// amount, and the reserve), how many children the reserve is held for, and,
// once the outcome is known and recorded, what each heir's share becomes
// and what the reserve pays him; for those who died together, each one's
// estate. It shows an answer of the case document and computes nothing:
// recording an outcome goes to `record`, which says why it is refused ("").
class WaitingWindow : public QWidget {
    Q_OBJECT

public:
    using Record = std::function<std::string(const std::string& outcome)>;
    // What Print and PDF do with the tables shown, given by the owner.
    struct Commands {
        std::function<void(const WaitingTables&, QWidget*)> print;
        std::function<void(const WaitingTables&, QWidget*)> savePdf;
    };

    WaitingWindow(Record record, Commands commands, QWidget* parent = nullptr);

    void showAnswer(const CaseAnswer& answer);

    // The button "تسجيل ما ظهر": the outcome chosen in the list recorded.
    void recordChosen();

private:
    void addOutcomeChoice(const CaseAnswer& answer, QVBoxLayout& layout);
    void fitToContents();

    Record record_;
    Commands commands_;
    WaitingTables tables_;  // as shown: what Print, PDF and Copy take
    QScrollArea* scroll_ = nullptr;
    QComboBox* outcomes_ = nullptr;
    QLabel* problem_ = nullptr;
};

// What the window's Print and PDF buttons do: the print dialog, and the PDF
// file offered when the job cannot start.
WaitingWindow::Commands waitingPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                             PrinterChooser printers);

}  // namespace qismaru::ui
