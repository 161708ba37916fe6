#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "answer/case_answer.h"

class QPagedPaintDevice;
class QPushButton;
class QTextBrowser;
class QTextDocument;

namespace qismaru::ui {

class MessageBoxes;

// The window "خطوات الحل": the solution of a computed case as a teacher
// writes it on the board, section by section, with commands to print it, to
// save it as a PDF file and to copy it as text. It shows an answer of the
// case document and computes nothing itself.
class SolutionWindow : public QDialog {
    Q_OBJECT

public:
    // Asks for the file to save to, proposing a name; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    SolutionWindow(const CaseAnswer& answer, MessageBoxes& messages, QWidget* parent = nullptr);
    ~SolutionWindow() override;

    // Shows the solution of another answer (or says that the case has none
    // yet), naming the school and positions it was answered by.
    void showAnswer(const CaseAnswer& answer);
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The solution as shown, and as plain text (what Copy puts on the clipboard).
    const QTextDocument& document() const;
    QString plainText() const;

    // The commands of the buttons, callable by tests as a press.
    void copyText();
    // Writes the solution as a PDF file of vector text; false, and the user
    // told, when the file cannot be written.
    bool saveAsPdf();
    bool writePdf(const QString& path);
    void print();
    // Lays the solution out on the device's pages: text, not a picture of it.
    void printTo(QPagedPaintDevice& device);

private:
    void fitToSolution();

    MessageBoxes& messages_;
    CaseAnswer answer_;
    QTextBrowser* view_ = nullptr;
    FileChooser chooseFile_;
};

}  // namespace qismaru::ui
