#include "ui/reports/estate_printing.h"

#include <QPrinter>
#include <QTextDocument>

#include "ui/printing/text_page.h"
#include "ui/reports/estate_page.h"

namespace qismaru::ui {

std::unique_ptr<QPrinter> choosePrinterForEstate(QWidget* parent)
{
    return printDialogFor(estate::kEstateTitle)(parent);
}

EstateWindow::Commands estatePrintCommands(MessageBoxes& messages, std::shared_ptr<PdfFallbackDialogs> dialogs,
                                           PrinterChooser printers)
{
    const auto printing = std::make_shared<PagePrinting>(messages, std::move(dialogs), std::move(printers),
                                                         estate::kEstateTitle, "qismaru-estate");
    EstateWindow::Commands commands;
    commands.savePdf = [printing](const estate::EstateReport& report, QWidget* parent) {
        printing->savePdf([&report] { return estateDocument(report); }, parent);
    };
    commands.print = [printing](const estate::EstateReport& report, QWidget* parent) {
        printing->print([&report] { return estateDocument(report); }, parent);
    };
    return commands;
}

}  // namespace qismaru::ui
