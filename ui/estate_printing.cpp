#include "ui/estate_printing.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "ui/estate_page.h"
#include "ui/message_boxes.h"

namespace qismaru::ui {

namespace {

const char* const kJobFailed =
    "تعذر بدء الطباعة على الطابعة الافتراضية.\nهل تريد حفظ الصفحة في ملف PDF بدلا من طباعتها؟";
const char* const kSaveFailed = "تعذر حفظ الصفحة في الملف:\n%1";

QString suggestedFile() { return QFileInfo(suggestedPdfPath()).dir().filePath("توزيع التركة.pdf"); }

void savePdf(MessageBoxes& messages, PdfFallbackDialogs& dialogs, const estate::EstateReport& report, QWidget* parent)
{
    const QString file = dialogs.pdfFileName(parent, suggestedFile());
    if (file.isEmpty()) return;
    if (!writeEstatePdf(report, file)) messages.inform(parent, kProgramCaption, QString(kSaveFailed).arg(file));
}

}  // namespace

std::unique_ptr<QPrinter> choosePrinterForEstate(QWidget* parent)
{
    return choosePrinter(parent, QString("طباعة ") + estate::kEstateTitle, estate::kEstateTitle);
}

EstateWindow::Commands estatePrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                           PrinterChooser printers)
{
    EstateWindow::Commands commands;
    commands.savePdf = [&messages, dialogs](const estate::EstateReport& report, QWidget* parent) {
        savePdf(messages, *dialogs, report, parent);
    };
    commands.print = [&messages, dialogs, printers](const estate::EstateReport& report, QWidget* parent) {
        const std::unique_ptr<QPrinter> printer = printers(parent);
        if (!printer || printEstatePage(report, *printer)) return;
        if (dialogs->offerPdf(parent, kProgramCaption, kJobFailed)) {
            savePdf(messages, *dialogs, report, parent);
        }
    };
    return commands;
}

}  // namespace qismaru::ui
