#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "ui/printing/case_printer.h"
#include "ui/reports/combined_page.h"

class QLabel;
class QStandardItemModel;
class QTableView;

namespace qismaru::ui {

class MessageBoxes;

// The window "الجامعة": the combined table of successive deaths as the
// books draw it, a column per death with its corrected base and what its
// parts are multiplied by, a row per group of persons with their parts in
// each death and their total of the combined base, the deceased's rows
// marked. It prints as one page, saves a PDF and copies itself as text; what
// printing does is given by its owner.
class CombinedWindow : public QWidget {
    Q_OBJECT

public:
    struct Commands {
        std::function<void(const CombinedPage&, QWidget*)> print;
        std::function<void(const CombinedPage&, QWidget*)> savePdf;
    };

    explicit CombinedWindow(Commands commands, QWidget* parent = nullptr);

    void showPage(const CombinedPage& page);
    const CombinedPage& page() const { return page_; }

    // The page as text on the clipboard.
    void copyAsText();

private:
    void fitToTable();

    Commands commands_;
    CombinedPage page_;
    QLabel* heading_;
    QStandardItemModel* cells_;
    QTableView* table_;
};

// What the window's Print and PDF buttons do: the print dialog, and the PDF
// file offered when the job cannot start.
CombinedWindow::Commands combinedPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                               PrinterChooser printers);
CombinedWindow::Commands combinedPrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs);

}  // namespace qismaru::ui
