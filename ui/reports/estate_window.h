#pragma once

#include <QWidget>
#include <functional>

#include "estate/estate_report.h"

class QLabel;
class QScrollArea;
class QStandardItemModel;
class QTableView;

namespace qismaru::ui {

// The window "توزيع التركة": the claims and the net, each heir kind's
// name, count, share, parts, amount and amount per head, what no heir takes
// and the rounding difference, and the notes. It prints, saves a PDF and
// copies itself as text; what printing does is given by its owner.
class EstateWindow : public QWidget {
    Q_OBJECT

public:
    struct Commands {
        std::function<void(const estate::EstateReport&, QWidget*)> print;
        std::function<void(const estate::EstateReport&, QWidget*)> savePdf;
    };

    explicit EstateWindow(Commands commands, QWidget* parent = nullptr);

    void showReport(const estate::EstateReport& report);
    const estate::EstateReport& report() const { return report_; }

    // The report as text on the clipboard.
    void copyAsText();

private:
    QTableView* addTable(const char* name, QStandardItemModel* model, bool header);
    // The size that shows the whole report without scrolling.
    QSize reportSize() const;

    Commands commands_;
    estate::EstateReport report_;
    QStandardItemModel* claims_;
    QStandardItemModel* kinds_;
    QStandardItemModel* closing_;
    QTableView* kindsView_ = nullptr;
    QTableView* closingView_ = nullptr;
    QLabel* notes_;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace qismaru::ui
