#pragma once

#include <QString>

class QWidget;

namespace qismaru::ui {

// What the program asks when a page cannot go to a printer: whether to save
// it as a PDF file instead, and under which name. An interface, so that tests
// answer without a human.
class PdfFallbackDialogs {
public:
    virtual ~PdfFallbackDialogs() = default;
    // Says why nothing was printed and offers the file; true for Yes.
    virtual bool offerPdf(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The file to write, proposed as `suggested`; empty when the user cancels.
    virtual QString pdfFileName(QWidget* parent, const QString& suggested) = 0;
};

class ModalPdfFallbackDialogs : public PdfFallbackDialogs {
public:
    bool offerPdf(QWidget* parent, const QString& caption, const QString& text) override;
    QString pdfFileName(QWidget* parent, const QString& suggested) override;
};

// What the program says when a page did not reach the printer, offering the
// file instead: the main window prints on the default printer, the report
// windows on the one chosen in the print dialog. And what the page is
// called when it could not be written ("تعذر حفظ الصفحة في الملف").
inline constexpr const char* kPrintJobFailed =
    "تعذر بدء الطباعة على الطابعة الافتراضية.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";
inline constexpr const char* kChosenPrinterFailed =
    "تعذر بدء الطباعة على الطابعة المختارة.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";
inline constexpr const char* kPageNamed = "الصفحة";

// Where the file dialog starts: the user's documents folder, or the home folder.
QString suggestedPdfPath();

}  // namespace qismaru::ui
