#pragma once

#include <functional>

class QDialogButtonBox;
class QWidget;

namespace qismaru::ui {

// The commands of a report window (the settlement, the combined table) and
// the names of their buttons.
struct ReportCommands {
    const char* printName;
    const char* pdfName;
    const char* copyName;
    const char* closeName;
    std::function<void()> print;
    std::function<void()> savePdf;
    std::function<void()> copy;
};

// Print (Ctrl+P), PDF (Ctrl+Shift+S), Copy (Ctrl+C) and Close (Escape), each
// button with its keys as its tip, for the whole window: a report window
// copies itself whole, not a cell.
QDialogButtonBox* reportButtons(QWidget& window, const ReportCommands& commands);

}  // namespace qismaru::ui
